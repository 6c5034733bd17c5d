# Common settings of the project's own targets, and the compiler runtime beside the programs.

# Warnings on every target of ours, clean: -Wall -Wextra, or Visual C++'s (third-party code keeps its own).
function(qel_target_defaults target)
    if(MSVC)
        # As a Visual Studio MFC project compiles, at the higher warning level: standard conformance, the SDL
        # checks (deprecated calls are errors), UTF-8 sources, C++ exceptions.
        target_compile_options(${target} PRIVATE /W4 /permissive- /sdl /utf-8 /EHsc)
        return()
    endif()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # The second compiler: Microsoft extensions on, their diagnostics and any other extension of the
        # language (GNU ones included, which MSVC lacks) as errors, so that what only GCC accepts fails here.
        # MFC's controls hide CWnd::Create with a Create of their own by design, so the hiding warning stays
        # off (MSVC's counterparts are off by default too).
        target_compile_options(${target} PRIVATE -fms-extensions -Werror=microsoft -pedantic-errors
                                                 -Wno-overloaded-virtual)
    endif()
    # The compiler runtime DLLs are copied beside the programs; no static runtime copies per DLL.
endfunction()

# With the system's MFC: a DLL of ours with MFC objects in its interface is an MFC extension DLL on the shared
# MFC, and whoever uses it builds on the same shared MFC and character set. afx.h names the MFC libraries to
# the linker itself.
function(qel_mfc_extension_dll target)
    target_compile_definitions(${target} PUBLIC _AFXDLL ${QEL_CHARSET_DEFINITIONS} PRIVATE _AFXEXT)
    # No function-level linking in an extension DLL, as MFC's notes on them advise (/O2 turns it on).
    target_compile_options(${target} PRIVATE /Gy-)
endfunction()

# A binary of the package: its file and its exported name carry the character set's suffix (QELCtrlU.dll,
# QELCtrl::QELCtrlU), and programs compiled against it get the character set's definitions.
function(qel_package_binary target)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${target}${QEL_CHARSET_SUFFIX}
                                               EXPORT_NAME ${target}${QEL_CHARSET_SUFFIX})
    target_compile_definitions(${target} INTERFACE ${QEL_CHARSET_DEFINITIONS})
endfunction()

# Copy the mingw runtime DLLs (C++ library, unwinder, threads) into the program folder so that programs
# start under Wine without extra search paths, and install them with the package. Visual C++'s runtime and
# MFC come with the system (the Visual C++ redistributable).
set(QEL_RUNTIME_DLLS)
set(QEL_MINGW_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
if(MSVC)
    set(QEL_MINGW_RUNTIME_DLLS)
endif()
foreach(dll IN LISTS QEL_MINGW_RUNTIME_DLLS)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
        foreach(candidate /usr/${QEL_MINGW_TRIPLE}/lib/${dll})
            if(EXISTS ${candidate})
                set(path ${candidate})
            endif()
        endforeach()
    endif()
    if(IS_ABSOLUTE "${path}" AND EXISTS "${path}")
        list(APPEND QEL_RUNTIME_DLLS ${path})
        file(COPY ${path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    endif()
endforeach()

# A library whose folder holds no source yet still configures (from an empty translation unit).
file(WRITE ${CMAKE_BINARY_DIR}/qel_empty.cpp "")
macro(qel_nonempty var)
    if(NOT ${var})
        set(${var} ${CMAKE_BINARY_DIR}/qel_empty.cpp)
    endif()
endmacro()
