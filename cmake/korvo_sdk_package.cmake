# Installs the layer libraries, the public header and the package files
# with which a consumer writes find_package(korvo_sdk) and links korvo::sdk.
include(CMakePackageConfigHelpers)

set(KORVO_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/korvo_sdk)

install(TARGETS ${KORVO_LAYERS} EXPORT korvo_sdkTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/include/korvo/sdk.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/korvo)
install(EXPORT korvo_sdkTargets NAMESPACE korvo:: DESTINATION ${KORVO_PACKAGE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/korvo_sdkConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfig.cmake INSTALL_DESTINATION ${KORVO_PACKAGE_DIR})
# Before 1.0 a minor version may change the API.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfigVersion.cmake
        DESTINATION ${KORVO_PACKAGE_DIR})
