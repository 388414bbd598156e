# Installs Pinwright as a desktop application and packages it for Debian.
#
#   cmake --install <build> --prefix /usr --strip  (DESTDIR is honoured)
#   cd <build> && cpack -G DEB                    (pinwright_<version>_<arch>.deb)
#
# On Linux and the other freedesktop systems this puts in place, under the prefix:
#   bin/pinwright
#   share/applications/<id>.desktop               the menu entry
#   share/metainfo/<id>.metainfo.xml              AppStream data for software centres
#   share/icons/hicolor/<n>x<n>/apps/<id>.png     n = 16, 32, 48, 64: the window icon's images
#   share/icons/hicolor/scalable/apps/<id>.svg
#   share/man/man1/pinwright.1.gz                 the manual page
#   share/doc/pinwright/copyright                 the licence, in Debian's machine-readable form
#   share/doc/pinwright/changelog.gz              the releases, in Debian's changelog format
# where <id> is PINWRIGHT_APP_ID, the one application id that the program also hands to
# QGuiApplication::setDesktopFileName. The desktop entry and the metainfo are made from the
# templates in resources/linux; the pictures come from resources/icons (scripts/make-artwork).
# CHANGELOG.md is the record of the releases: its newest heading must name the project's
# version, and the metainfo's release and the Debian changelog are made from it.

include(GNUInstallDirs)

include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)

set(PINWRIGHT_LICENSE MIT) # SPDX; LICENSE holds the text
# The Debian package's maintainer, who also signs its changelog, must have a mail address. The
# project has none, so by default the address is under .invalid, the top-level domain reserved
# for names that can never exist (RFC 6761): it claims no host. Whoever builds a package for
# others puts their own name and address here, or in DEBFULLNAME and DEBEMAIL as for Debian's
# own tools.
if("$ENV{DEBEMAIL}" MATCHES "<")
    set(default_maintainer "$ENV{DEBEMAIL}")
elseif(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
    set(default_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    set(default_maintainer "The Pinwright authors <nobody@pinwright.invalid>")
endif()
set(PINWRIGHT_MAINTAINER ${default_maintainer} CACHE STRING
    "The Debian package's maintainer and the signer of its changelog: Name <address>")

set(changelog_md ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog_md})
pinwright_changelog_release(${changelog_md} release_version PINWRIGHT_RELEASE_DATE)
if(NOT release_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "CHANGELOG.md's newest release is ${release_version}, the project's "
                        "version ${PROJECT_VERSION}: add the release to CHANGELOG.md")
endif()

if(WIN32)
    # The portable zip: pinwright.exe, which needs no other file, beside its licence, the notice
    # of the third-party code linked into it and those parts' licence texts (gathered from Qt's
    # source by scripts/windows-qt). Windows users open these with Notepad, hence .txt.
    install(TARGETS pinwright RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
    # The notice names the exact Debian sources of what is linked in, so that a reader or a
    # scanner can tell which fixes the program carries: the Qt's (recorded by
    # scripts/windows-qt) and those of the compilers' run time and Qt's translation here.
    file(STRINGS ${PINWRIGHT_QT_PREFIX}/qt6-base-version PINWRIGHT_QTBASE_SOURCE LIMIT_COUNT 1)
    foreach(part GCC:gcc-mingw-w64-x86-64-posix MINGW:mingw-w64-common
                 QTTRANSLATIONS:qt6-translations-l10n)
        string(REPLACE ":" ";" part "${part}")
        list(GET part 0 name)
        list(GET part 1 package)
        execute_process(COMMAND dpkg-query -W
                                "-f=\${source:Package} \${source:Version} (\${Package} \${Version})"
                                ${package}
                        OUTPUT_VARIABLE PINWRIGHT_${name}_SOURCE COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    set(notices ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/THIRD-PARTY-NOTICES.txt.in ${notices}
                   @ONLY)
    install(FILES ${notices} DESTINATION .)
    install(DIRECTORY ${PINWRIGHT_QT_PREFIX}/licenses/ DESTINATION licenses)

    # The installer beside the zip, pinwright-<version>-windows-x64.msi: the same files,
    # installed into msi-tree as CPack does for the zip and packed by scripts/windows-msi with
    # wixl, after resources/windows/pinwright.wxs. Its test (tests/windows) reads where they are
    # from the target.
    set(msi_tree ${PROJECT_BINARY_DIR}/msi-tree)
    set(msi ${PROJECT_BINARY_DIR}/pinwright-${PROJECT_VERSION}-windows-x64.msi)
    set(windows_resources ${PROJECT_SOURCE_DIR}/resources/windows)
    add_custom_command(OUTPUT ${msi}
                       COMMAND ${CMAKE_COMMAND} -E rm -rf ${msi_tree}
                       COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR}
                               --prefix ${msi_tree} --strip
                       COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-msi ${msi_tree}
                               ${PROJECT_VERSION} ${msi}
                       DEPENDS pinwright ${PROJECT_SOURCE_DIR}/scripts/windows-msi
                               ${windows_resources}/pinwright.wxs ${windows_resources}/pinwright.ico
                               ${PROJECT_SOURCE_DIR}/LICENSE
                               ${notices}
                       COMMENT "Packing ${msi}"
                       VERBATIM)
    add_custom_target(pinwright_msi ALL DEPENDS ${msi})
    set_target_properties(pinwright_msi PROPERTIES MSI_FILE ${msi} MSI_TREE ${msi_tree})
else()
    install(TARGETS pinwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(CMAKE_STRIP AND NOT APPLE AND NOT WIN32)
    # --strip (and CPack) strip the program of its debug information; the compilers' notes in
    # .comment and .note go too, as Debian's own packages do without them.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                                    --remove-section=.note
                                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/pinwright\")
        endif()")
endif()

if(UNIX AND NOT APPLE)
    # Values the templates take. The desktop entry runs the program by name, found on PATH,
    # because the prefix is chosen only at install time.
    set(PINWRIGHT_EXECUTABLE pinwright)

    set(desktop_dir ${PROJECT_BINARY_DIR}/desktop)
    set(desktop_file ${desktop_dir}/${PINWRIGHT_APP_ID}.desktop)
    set(metainfo_file ${desktop_dir}/${PINWRIGHT_APP_ID}.metainfo.xml)
    configure_file(${PROJECT_SOURCE_DIR}/resources/linux/pinwright.desktop.in ${desktop_file}
                   @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/resources/linux/pinwright.metainfo.xml.in
                   ${metainfo_file} @ONLY)

    install(FILES ${desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${metainfo_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    foreach(size 16 32 48 64)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${size}x${size}/pinwright.png
                DESTINATION ${icon_theme}/${size}x${size}/apps
                RENAME ${PINWRIGHT_APP_ID}.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/pinwright.svg
            DESTINATION ${icon_theme}/scalable/apps
            RENAME ${PINWRIGHT_APP_ID}.svg)

    # The manual page and the Debian changelog, compressed as Debian wants them: at the highest
    # level and without a time stamp, so the same sources give the same bytes.
    set(doc_dir ${PROJECT_BINARY_DIR}/doc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/linux/pinwright.1.in ${doc_dir}/pinwright.1
                   @ONLY)
    pinwright_debian_changelog(${changelog_md} ${doc_dir}/changelog pinwright
                               "${PINWRIGHT_MAINTAINER}")
    foreach(file pinwright.1 changelog)
        add_custom_command(OUTPUT ${doc_dir}/${file}.gz
                           COMMAND gzip -9 -n -k -f ${doc_dir}/${file}
                           DEPENDS ${doc_dir}/${file}
                           VERBATIM)
    endforeach()
    add_custom_target(pinwright_docs ALL DEPENDS ${doc_dir}/pinwright.1.gz ${doc_dir}/changelog.gz)

    # The licence in Debian's machine-readable form: the holders and the text from LICENSE.
    file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE holders REGEX "^Copyright \\(c\\) ")
    string(REGEX REPLACE "^Copyright \\(c\\) " "" copyright_holders "${holders}")
    file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
    string(REGEX REPLACE "^.*\n\n(Permission )" "\\1" license_text "${license}")
    string(STRIP "${license_text}" license_text)
    string(REGEX REPLACE "\n\n" "\n.\n" license_text "${license_text}")
    string(REPLACE "\n" "\n " license_text " ${license_text}")
    configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in ${doc_dir}/copyright @ONLY)

    set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pinwright)
    install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz DESTINATION ${package_doc_dir})
    install(FILES ${doc_dir}/pinwright.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# --- The Debian package ---------------------------------------------------------------------
# Depends are computed from the binary by dpkg-shlibdeps (package dpkg-dev); the Chinese fonts
# and Qt's own translations (the buttons of the message boxes) are recommended. The icon cache
# and the menu are refreshed by the triggers of Debian's own packages: no maintainer scripts.
set(CPACK_PACKAGE_NAME pinwright)
set(CPACK_PACKAGE_VENDOR "The Pinwright authors")
set(CPACK_PACKAGE_CONTACT ${PINWRIGHT_MAINTAINER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "C code fragments for the STM32 Standard Peripheral Library")
set(CPACK_PACKAGE_DESCRIPTION
    "Pinwright shows ST's Standard Peripheral Library as a tree, gives each
function a panel of argument choices and writes the C fragment into a text
box, ready to copy into the development environment. Its interface is in
Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/\\\\.cache/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-arphic-uming, fonts-arphic-ukai, qt6-translations-l10n")

if(WIN32)
    # pinwright-<version>-windows-x64.zip, which unpacks into a folder of the same name.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME pinwright-${PROJECT_VERSION}-windows-x64)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/NormalizeZip.cmake)
endif()

include(CPack)
