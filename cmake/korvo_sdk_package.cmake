# Installs the SDK as one archive, libkorvo_sdk.a (target korvo::sdk), and
# with KORVO_SDK_SHARED also libkorvo_sdk.so (korvo::sdk_shared), which
# exports the public functions alone; the public header; and the package
# files with which a consumer writes find_package(korvo_sdk). Both hold the
# objects of every layer, so a consumer sees none of the layers nor their
# build settings.
include(CMakePackageConfigHelpers)

option(KORVO_SDK_SHARED "Also install the SDK as a shared library" OFF)

set(KORVO_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/korvo_sdk)

set(korvo_layer_objects "")
foreach(layer ${KORVO_LAYERS})
  get_target_property(type ${layer} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    list(APPEND korvo_layer_objects $<TARGET_OBJECTS:${layer}>)
  endif()
endforeach()

# `dependencies`: PUBLIC for the archive, whose consumers link libcrypto and
# libb2 themselves; PRIVATE for the shared library, which loads them.
function(korvo_package_library name type export_name dependencies)
  add_library(${name} ${type} ${korvo_layer_objects})
  set_target_properties(${name} PROPERTIES OUTPUT_NAME korvo_sdk EXPORT_NAME ${export_name})
  target_include_directories(${name} INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(${name} ${dependencies} OpenSSL::Crypto PkgConfig::B2)
endfunction()

korvo_package_library(korvo_sdk_package STATIC sdk PUBLIC)
set(korvo_package_targets korvo_sdk_package)
if(KORVO_SDK_SHARED)
  korvo_package_library(korvo_sdk_shared SHARED sdk_shared PRIVATE)
  set(korvo_exports ${CMAKE_CURRENT_SOURCE_DIR}/src/api/exports.map)
  target_link_options(korvo_sdk_shared PRIVATE "LINKER:--version-script=${korvo_exports}" "LINKER:--exclude-libs,ALL")
  set_property(TARGET korvo_sdk_shared APPEND PROPERTY LINK_DEPENDS ${korvo_exports})
  set_target_properties(korvo_sdk_shared PROPERTIES VERSION ${PROJECT_VERSION}
                        SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
  list(APPEND korvo_package_targets korvo_sdk_shared)
endif()

install(TARGETS ${korvo_package_targets} EXPORT korvo_sdkTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/include/korvo/sdk.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/korvo)
install(EXPORT korvo_sdkTargets NAMESPACE korvo:: DESTINATION ${KORVO_PACKAGE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/korvo_sdkConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfig.cmake INSTALL_DESTINATION ${KORVO_PACKAGE_DIR})
# Before 1.0 a minor version may change the API.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/korvo_sdkConfigVersion.cmake
        DESTINATION ${KORVO_PACKAGE_DIR})
