# Installs the package into the build tree, builds tests/consumer against it with find_package, and runs
# the consumer under Wine with the package's bin folder on its DLL search path.
set(prefix ${BUILD_DIR}/package)
set(consumer ${BUILD_DIR}/consumer)
file(REMOVE_RECURSE ${prefix} ${consumer})

macro(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}")
    endif()
endmacro()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/consumer -B ${consumer}
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${consumer})
file(COPY ${prefix}/bin/ DESTINATION ${consumer})
run(${CMAKE_COMMAND} -E env QEL_WINEPREFIX=${BUILD_DIR}/wineprefix
    ${SOURCE_DIR}/cmake/wine-run.sh ${consumer}/QELConsumer.exe)
