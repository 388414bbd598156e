# Installs the build in BUILD_DIR with prefix /usr into a fresh DESTDIR and checks that exactly
# the expected files arrived: the program, the desktop entry, the metainfo and the icons, the
# icons being the very images the window carries (SOURCE_DIR/resources/icons), the manual page,
# and the licence and changelog where Debian looks for them, all of the same VERSION.
# Run by CTest: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DDESTDIR=... -DAPP_ID=... -DVERSION=...
#                     -P install_files.cmake
foreach(var BUILD_DIR SOURCE_DIR DESTDIR APP_ID VERSION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "install_files.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${DESTDIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    usr/bin/pinwright
    usr/share/applications/${APP_ID}.desktop
    usr/share/doc/pinwright/changelog.gz
    usr/share/doc/pinwright/copyright
    usr/share/icons/hicolor/16x16/apps/${APP_ID}.png
    usr/share/icons/hicolor/32x32/apps/${APP_ID}.png
    usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
    usr/share/icons/hicolor/64x64/apps/${APP_ID}.png
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/man/man1/pinwright.1.gz
    usr/share/metainfo/${APP_ID}.metainfo.xml)
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${DESTDIR} ${DESTDIR}/*)
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
    list(JOIN found "\n  " found_text)
    list(JOIN expected "\n  " expected_text)
    message(FATAL_ERROR "Installed files differ.\nExpected:\n  ${expected_text}\n"
                        "Found:\n  ${found_text}")
endif()

set(problems "")
execute_process(COMMAND test -x ${DESTDIR}/usr/bin/pinwright RESULT_VARIABLE not_executable)
if(not_executable)
    string(APPEND problems "usr/bin/pinwright is not executable\n")
endif()

foreach(size 16 32 48 64)
    set(icon usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    file(SHA256 ${DESTDIR}/${icon} installed_hash)
    file(SHA256 ${SOURCE_DIR}/resources/icons/${size}x${size}/pinwright.png window_hash)
    if(NOT installed_hash STREQUAL window_hash)
        string(APPEND problems "${icon} is not the window's ${size}x${size} icon\n")
    endif()
endforeach()

file(READ ${DESTDIR}/usr/share/applications/${APP_ID}.desktop desktop)
foreach(line "Icon=${APP_ID}\n" "Exec=pinwright\n" "StartupWMClass=Pinwright\n")
    string(FIND "${desktop}" "\n${line}" at)
    if(at EQUAL -1)
        string(REPLACE "\n" "" shown "${line}")
        string(APPEND problems "the desktop entry lacks the line ${shown}\n")
    endif()
endforeach()

file(READ ${DESTDIR}/usr/share/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(piece "<id>${APP_ID}</id>"
              "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
              "<release version=\"${VERSION}\"")
    string(FIND "${metainfo}" "${piece}" at)
    if(at EQUAL -1)
        string(APPEND problems "the metainfo lacks ${piece}\n")
    endif()
endforeach()

file(READ ${DESTDIR}/usr/share/doc/pinwright/copyright copyright)
foreach(piece "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
              "\nFiles: *\n" "\nLicense: Expat\n Permission is hereby granted")
    string(FIND "${copyright}" "${piece}" at)
    if(at EQUAL -1)
        string(APPEND problems "the copyright file lacks ${piece}\n")
    endif()
endforeach()

# The compressed files, unpacked: the changelog begins with this version's entry, and the
# manual page is Pinwright's of this version.
function(unpack file out_var)
    execute_process(COMMAND gzip -dc ${DESTDIR}/${file} RESULT_VARIABLE result
                    OUTPUT_VARIABLE text)
    if(NOT result EQUAL 0)
        set(text "")
    endif()
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()
unpack(usr/share/doc/pinwright/changelog.gz changelog)
string(FIND "${changelog}" "pinwright (${VERSION}) unstable; urgency=medium\n" at)
if(NOT at EQUAL 0)
    string(APPEND problems "the changelog does not begin with the entry of ${VERSION}\n")
endif()
unpack(usr/share/man/man1/pinwright.1.gz manual)
string(FIND "${manual}" ".TH PINWRIGHT 1 " title_at)
string(FIND "${manual}" "\"Pinwright ${VERSION}\"" version_at)
if(NOT title_at EQUAL 0 OR version_at EQUAL -1)
    string(APPEND problems "the manual page is not that of Pinwright ${VERSION}\n")
endif()

if(problems)
    message(FATAL_ERROR "${problems}")
endif()
list(LENGTH found count)
message(STATUS "${count} files installed, as expected")
