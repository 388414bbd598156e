# Installs Pinwright as a desktop application and packages it for Debian.
#
#   cmake --install <build> --prefix /usr        (DESTDIR is honoured)
#   cd <build> && cpack -G DEB                    (pinwright_<version>_<arch>.deb)
#
# On Linux and the other freedesktop systems this puts in place, under the prefix:
#   bin/pinwright
#   share/applications/<id>.desktop               the menu entry
#   share/metainfo/<id>.metainfo.xml              AppStream data for software centres
#   share/icons/hicolor/<n>x<n>/apps/<id>.png     n = 16, 32, 48, 64: the window icon's images
#   share/icons/hicolor/scalable/apps/<id>.svg
# where <id> is PINWRIGHT_APP_ID, the one application id that the program also hands to
# QGuiApplication::setDesktopFileName. The desktop entry and the metainfo are made from the
# templates in resources/linux; the pictures come from resources/icons (scripts/make-artwork).

include(GNUInstallDirs)

set(PINWRIGHT_LICENSE "LicenseRef-proprietary" CACHE STRING
    "SPDX licence expression of Pinwright, written into the AppStream metainfo")

install(TARGETS pinwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
    # Values the templates take. The desktop entry runs the program by name, found on PATH,
    # because the prefix is chosen only at install time.
    set(PINWRIGHT_EXECUTABLE pinwright)
    set(PINWRIGHT_SCREENSHOT_URL "${PROJECT_HOMEPAGE_URL}/screenshot.png")

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
endif()

# --- The Debian package ---------------------------------------------------------------------
# Depends are computed from the binary by dpkg-shlibdeps (package dpkg-dev); the Chinese fonts
# and Qt's own translations (the buttons of the message boxes) are recommended. The icon cache
# and the menu are refreshed by the triggers of Debian's own packages: no maintainer scripts.
set(CPACK_PACKAGE_NAME pinwright)
set(CPACK_PACKAGE_VENDOR "The Pinwright authors")
set(CPACK_PACKAGE_CONTACT "The Pinwright authors <maintainers@pinwright.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "C code fragments for the STM32 Standard Peripheral Library")
set(CPACK_PACKAGE_DESCRIPTION
    "Pinwright shows ST's Standard Peripheral Library as a tree, gives each function a panel
of argument choices and writes the C fragment into a text box, ready to copy into the
development environment. Its interface is in Simplified Chinese.")
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

include(CPack)
