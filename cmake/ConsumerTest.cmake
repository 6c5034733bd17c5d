# A program built against the installed package as an application's developer builds it: the package installed
# from BUILD_DIR, the project configured with the package's toolchain file for PROCESSOR and CMAKE_PREFIX_PATH,
# and run with the package's Wine launcher. UNICODE tells the character set the package was built in: the
# programs are built in it, as an application of that setting is.
#   GUIDE   the guide's first program, from the project files labelled "`hello/…`:" (on the Unicode package
#           it links the U targets); it must print its line. Then the same program compiled for the other
#           character set must stop at one character-set error, whether QELCtrl.h or the MFC-compatible
#           layer's afxwin.h comes first, and a build that includes <windows.h> first must stop at the afx
#           headers' error. The guide's owner-data program, from the files labelled "`virtual/…`:", must
#           print its line too.
#   SOURCE  the project in this folder, named NAME, its program PROGRAM; built (with WIZARD_UNICODE) and run
#           once for each build type in CONFIGS, it must exit with 0.
if(GUIDE)
    set(NAME consumer)
    set(PROGRAM Hello)
endif()
set(prefix ${BUILD_DIR}/${NAME}-package)
set(project ${BUILD_DIR}/${NAME})
file(REMOVE_RECURSE ${prefix} ${project} ${project}-virtual)

macro(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}")
    endif()
endmacro()

# Writes the guide's files labelled "`folder/…`:" into dir.
function(extract_from_guide folder dir)
    file(READ ${GUIDE} text)
    while(text MATCHES "\n`${folder}/([^`\n]+)`:\n```[a-z]*\n([^`]*)```")
        set(block "${CMAKE_MATCH_0}")
        set(path ${dir}/${CMAKE_MATCH_1})
        set(content "${CMAKE_MATCH_2}")
        if(UNICODE)
            string(REGEX REPLACE "(QELCtrl::QELCtrl|QELCtrl::QELAfxMain)([ )])" "\\1U\\2" content "${content}")
        endif()
        file(WRITE ${path} "${content}")
        string(FIND "${text}" "${block}" at)
        string(LENGTH "${block}" length)
        math(EXPR at "${at} + ${length}")
        string(SUBSTRING "${text}" ${at} -1 text)
    endwhile()
endfunction()

if(GUIDE)
    extract_from_guide(hello ${project})
    extract_from_guide(virtual ${project}-virtual)
else()
    file(COPY ${SOURCE}/ DESTINATION ${project})
endif()
if(NOT EXISTS ${project}/CMakeLists.txt)
    message(FATAL_ERROR "no CMakeLists.txt for ${NAME}")
endif()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
if(UNICODE)
    set(charset_flag "-DUNICODE")
    set(other_charset "-D_MBCS")
    set(other_target "QELCtrl::QELCtrl ")
else()
    set(charset_flag "-D_MBCS")
    set(other_charset "-DUNICODE -D_UNICODE")
    set(other_target "QELCtrl::QELCtrlU")
endif()

# Builds the project in source into build, for the build type config (the project's default when empty), and
# runs its program, which must exit with 0 and, when line is not empty, print that line alone.
function(build_and_run source program line build config)
    run(${CMAKE_COMMAND} -S ${source} -B ${build} -DCMAKE_BUILD_TYPE=${config} -DCMAKE_PREFIX_PATH=${prefix}
        -DWIZARD_UNICODE=${UNICODE}
        -DCMAKE_TOOLCHAIN_FILE=${prefix}/lib/cmake/QELCtrl/toolchain-mingw-${PROCESSOR}.cmake)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} --verbose RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message("${out}")
    if(NOT rc EQUAL 0 OR NOT out MATCHES "${charset_flag}")
        message(FATAL_ERROR "${program} ${config} did not build, or without the package's ${charset_flag} (${rc})")
    endif()
    file(GLOB dlls RELATIVE ${prefix}/bin ${prefix}/bin/*.dll)
    foreach(dll IN LISTS dlls)
        if(NOT EXISTS ${build}/${dll})
            message(FATAL_ERROR "qelctrl_copy_runtime_dlls left out ${dll}")
        endif()
    endforeach()

    # A Wine prefix of its own, made by the launcher as for a newcomer. Output to files: Wine's background
    # services, started with the program, must not keep a pipe of ours open.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${BUILD_DIR}/wineprefix-consumer
                            ${prefix}/bin/qelctrl-wine ${build}/${program}.exe
                    RESULT_VARIABLE rc OUTPUT_FILE ${build}/run.out ERROR_FILE ${build}/run.err)
    file(READ ${build}/run.out out)
    file(READ ${build}/run.err err)
    message("${out}${err}")
    if(NOT rc EQUAL 0 OR (line AND NOT out MATCHES "^${line}\r?\n$"))
        message(FATAL_ERROR "${program} ${config} failed (${rc})")
    endif()
endfunction()

if(GUIDE)
    set(build ${project}/build)
    build_and_run(${project} ${PROGRAM} "Write the guide: editable" ${build} "")
    build_and_run(${project}-virtual Virtual "Zebra: row 0 of 1000000" ${project}-virtual/build "")
    foreach(first IN ITEMS "" "-include afxwin.h")
        run(${CMAKE_COMMAND} ${build} "-DCMAKE_CXX_FLAGS=${other_charset} ${first}")
        execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
        message("${out}")
        string(REGEX MATCHALL "error: [^\n]*" errors "${out}")
        list(LENGTH errors count)
        if(rc EQUAL 0 OR NOT count EQUAL 2 OR NOT errors MATCHES "^error: #error [^\n]*${other_target}")
            message(FATAL_ERROR "a build for the other character set (${first}) did not stop at one character-set error")
        endif()
    endforeach()
    # As with real MFC, <windows.h> before the first afx header stops the build.
    run(${CMAKE_COMMAND} ${build} "-DCMAKE_CXX_FLAGS=-include windows.h")
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message("${out}")
    if(rc EQUAL 0 OR NOT out MATCHES "error: #error WINDOWS.H already included")
        message(FATAL_ERROR "a build including <windows.h> first did not stop at the afx headers' error")
    endif()
else()
    foreach(config IN LISTS CONFIGS)
        build_and_run(${project} ${PROGRAM} "" ${project}/build-${config} ${config})
    endforeach()
endif()
