# Package layout: include/ (every public header, flat), bin/ (DLLs and the compiler runtime), lib/ (import
# libraries), lib/cmake/QELCtrl (QELCtrlConfig.cmake exporting QELCtrl::QELCtrl with its dependencies).
include(CMakePackageConfigHelpers)

set(QEL_INSTALL_TARGETS QELAfx QELDC QELStdWin QELStd QELCtrl)
if(TARGET QELAfxMain)
    list(APPEND QEL_INSTALL_TARGETS QELAfxMain)
endif()
install(TARGETS ${QEL_INSTALL_TARGETS} EXPORT QELCtrlTargets
        RUNTIME DESTINATION bin
        LIBRARY DESTINATION lib
        ARCHIVE DESTINATION lib
        OBJECTS DESTINATION lib/objects
        INCLUDES DESTINATION include)

file(GLOB QEL_PLATFORM_HEADERS CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/platform/afx/include/*.h
     ${PROJECT_SOURCE_DIR}/platform/qeldc/*.h
     ${PROJECT_SOURCE_DIR}/platform/qelstdwin/*.h
     ${PROJECT_SOURCE_DIR}/platform/qelstd/*.h)
install(FILES ${QEL_PLATFORM_HEADERS} ${QEL_LIBRARY_HEADERS} DESTINATION include)
install(FILES ${QEL_RUNTIME_DLLS} DESTINATION bin)

install(EXPORT QELCtrlTargets NAMESPACE QELCtrl:: DESTINATION lib/cmake/QELCtrl)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QELCtrlConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/QELCtrlConfig.cmake
                              INSTALL_DESTINATION lib/cmake/QELCtrl)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/QELCtrlConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/QELCtrlConfig.cmake ${CMAKE_BINARY_DIR}/QELCtrlConfigVersion.cmake
        DESTINATION lib/cmake/QELCtrl)
