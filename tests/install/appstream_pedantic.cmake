# Validates the installed metainfo (METAINFO=file) or the installed tree (TREE=folder, so that the
# launchable's desktop entry and icon are checked too) with every check appstreamcli has
# (--pedantic): any note fails. The notes allowed: the reverse-DNS id holds capital letters (it is
# the application id everywhere), and appstream before 1.0 (Debian 12 has 0.16) does not know the
# <developer> element that 1.0 asks for in place of <developer_name>.
# Run by CTest: cmake -DMETAINFO=... -P appstream_pedantic.cmake, or -DTREE=...
if(DEFINED METAINFO)
    set(command validate ${METAINFO})
elseif(DEFINED TREE)
    set(command validate-tree ${TREE})
else()
    message(FATAL_ERROR "appstream_pedantic.cmake needs -DMETAINFO=... or -DTREE=...")
endif()
execute_process(COMMAND appstreamcli --version OUTPUT_VARIABLE version)
execute_process(COMMAND appstreamcli ${command} --pedantic --no-net
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
list(JOIN command " " command)
string(REGEX MATCHALL "(^|\n) *[EWIP]: [^\n]*" issues "${report}")
list(FILTER issues EXCLUDE REGEX " cid-contains-uppercase-letter ")
if(version MATCHES "version: 0\\.")
    list(FILTER issues EXCLUDE REGEX " unknown-tag developer$")
endif()
if(NOT result EQUAL 0 OR issues)
    message(FATAL_ERROR "appstreamcli ${command} --pedantic (status ${result}):${issues}")
endif()
