# Validates the installed metainfo with every check appstreamcli has (--pedantic). The one note
# allowed is that the reverse-DNS id holds capital letters: it is the application id everywhere.
# Run by CTest: cmake -DMETAINFO=... -P appstream_pedantic.cmake
if(NOT DEFINED METAINFO)
    message(FATAL_ERROR "appstream_pedantic.cmake needs -DMETAINFO=...")
endif()
execute_process(COMMAND appstreamcli validate --pedantic --strict --no-net ${METAINFO}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
string(REGEX MATCHALL "(^|\n)[EWIP]: [^\n]*" issues "${report}")
list(FILTER issues EXCLUDE REGEX " cid-contains-uppercase-letter ")
if(NOT result EQUAL 0 OR issues)
    message(FATAL_ERROR "appstreamcli validate --pedantic (status ${result}):${issues}")
endif()
