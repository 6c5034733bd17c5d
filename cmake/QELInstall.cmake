# Package layout: include/ (the library's and the helper libraries' headers), include/qelafx/ (the
# MFC-compatible layer's headers, apart so that they never shadow another MFC's), bin/ (DLLs, the compiler
# runtime and the Wine launcher qelctrl-wine), lib/ (import libraries), lib/cmake/QELCtrl/ (QELCtrlConfig.cmake
# exporting QELCtrl::QELCtrl with its dependencies, and the toolchain files). Debug files carry the suffix d,
# so that a Debug build installs beside a Release one; the Unicode build's files and targets carry the suffix
# U (QELCtrlU.dll, QELCtrl::QELCtrlU), so that both character sets install into one prefix. Built against the system's MFC, the package holds the
# library and its helper libraries only: include/, bin/, lib/ and lib/cmake/QELCtrl/ (QELCtrlConfig.cmake).
include(CMakePackageConfigHelpers)

# The package's DLLs; QELCtrlConfig.cmake lists them for applications to ship.
set(QEL_PACKAGE_DLLS QELDC QELStdWin QELStd QELCtrl)
if(NOT QEL_USE_SYSTEM_MFC)
    list(PREPEND QEL_PACKAGE_DLLS QELAfx)
endif()
set(QEL_INSTALL_TARGETS ${QEL_PACKAGE_DLLS})
if(TARGET QELAfxMain)
    list(APPEND QEL_INSTALL_TARGETS QELAfxMain)
endif()
install(TARGETS ${QEL_INSTALL_TARGETS} EXPORT QELCtrl${QEL_CHARSET_SUFFIX}Targets
        RUNTIME DESTINATION bin
        LIBRARY DESTINATION lib
        ARCHIVE DESTINATION lib
        OBJECTS DESTINATION lib/objects
        INCLUDES DESTINATION include)

file(GLOB QEL_AFX_HEADERS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/afx/include/*.h)
file(GLOB QEL_HELPER_HEADERS CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/platform/qeldc/*.h
     ${PROJECT_SOURCE_DIR}/platform/qelstdwin/*.h
     ${PROJECT_SOURCE_DIR}/platform/qelstd/*.h)
if(NOT QEL_USE_SYSTEM_MFC)
    install(FILES ${QEL_AFX_HEADERS} DESTINATION include/qelafx)
endif()
install(FILES ${QEL_HELPER_HEADERS} ${QEL_LIBRARY_HEADERS} DESTINATION include)
install(FILES ${QEL_RUNTIME_DLLS} DESTINATION bin)

# Applications build with the same toolchain files (free of this repository's test runner) and start their
# programs under Wine with the launcher. The launcher calls the loader of the package's architecture.
if(NOT MSVC)
    install(FILES ${PROJECT_SOURCE_DIR}/cmake/toolchain-mingw-x86_64.cmake
                  ${PROJECT_SOURCE_DIR}/cmake/toolchain-mingw-i686.cmake
            DESTINATION lib/cmake/QELCtrl)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
        set(QEL_WINE_LOADER wine64)
    else()
        set(QEL_WINE_LOADER wine)
    endif()
    configure_file(${PROJECT_SOURCE_DIR}/cmake/qelctrl-wine.in ${CMAKE_BINARY_DIR}/qelctrl-wine @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/qelctrl-wine DESTINATION bin)
endif()

set(QEL_RUNTIME_DLL_NAMES)
foreach(dll IN LISTS QEL_RUNTIME_DLLS)
    get_filename_component(name ${dll} NAME)
    list(APPEND QEL_RUNTIME_DLL_NAMES ${name})
endforeach()

install(EXPORT QELCtrl${QEL_CHARSET_SUFFIX}Targets NAMESPACE QELCtrl:: DESTINATION lib/cmake/QELCtrl)
# The DLLs a program of this character set ships, read by QELCtrlConfig.cmake.
set(QEL_PACKAGE_DLL_TARGETS)
foreach(target IN LISTS QEL_PACKAGE_DLLS)
    list(APPEND QEL_PACKAGE_DLL_TARGETS ${target}${QEL_CHARSET_SUFFIX})
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/QELCtrl${QEL_CHARSET_SUFFIX}Dlls.cmake
     "set(QELCtrl${QEL_CHARSET_SUFFIX}_DLL_TARGETS ${QEL_PACKAGE_DLL_TARGETS})\n")
install(FILES ${CMAKE_BINARY_DIR}/QELCtrl${QEL_CHARSET_SUFFIX}Dlls.cmake DESTINATION lib/cmake/QELCtrl)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QELCtrlConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/QELCtrlConfig.cmake
                              INSTALL_DESTINATION lib/cmake/QELCtrl)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/QELCtrlConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/QELCtrlConfig.cmake ${CMAKE_BINARY_DIR}/QELCtrlConfigVersion.cmake
        DESTINATION lib/cmake/QELCtrl)
