# Makes the Debian package of the build in BUILD_DIR with CPack into OUT_DIR and checks it with
# lintian, Debian's own package checker: any error (E:) or warning (W:) fails the test.
# Run by CTest: cmake -DCPACK=... -DBUILD_DIR=... -DOUT_DIR=... -P lintian.cmake
foreach(var CPACK BUILD_DIR OUT_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "lintian.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages ${OUT_DIR}/*.deb)
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack -G DEB made ${count} packages (status ${result}):\n${output}")
endif()

execute_process(COMMAND lintian --info ${packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE errors)
message("${report}")
if(NOT result EQUAL 0 OR report MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian finds fault with ${packages} (status ${result}) ${errors}")
endif()
message(STATUS "lintian: no errors or warnings in ${packages}")
