# CPack runs this on the Windows zip before it copies it out. CPack writes the entries in the
# order the file system lists them, their times in the local time zone and the packer's user
# and group: strip-nondeterminism sorts them and gives each the time SOURCE_DATE_EPOCH says,
# in UTC, owned by root, so that the same files make the same zip anywhere.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    message(FATAL_ERROR "The zip needs SOURCE_DATE_EPOCH, the time its files are stamped with "
                        "(./windows sets the commit's)")
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND strip-nondeterminism --type zip --timestamp $ENV{SOURCE_DATE_EPOCH}
                            ${package}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
