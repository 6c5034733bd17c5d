# Second compiler for 64-bit Windows: clang on the mingw-w64 headers and libraries of the GCC cross build,
# linked with lld. Its Microsoft extensions and diagnostics are switched on per target (QELBuild.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET   ${QEL_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${QEL_MINGW_TRIPLE})
set(CMAKE_RC_COMPILER  ${QEL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# clang does not recognise Debian's versioned GCC folder (…/12-posix): the C++ library's headers and the GCC
# runtime libraries are named from the GCC cross compiler itself.
execute_process(COMMAND ${QEL_MINGW_TRIPLE}-g++-posix -print-file-name=include
                OUTPUT_VARIABLE gcc_include OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_lib ${gcc_include} DIRECTORY)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    ${gcc_include}/c++ ${gcc_include}/c++/${QEL_MINGW_TRIPLE} ${gcc_include}/c++/backward)
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_lib}")
endforeach()
