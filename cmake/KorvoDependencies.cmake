# Finds the SDK's three dependencies and, when any is missing, stops once
# with all of them named and the command that installs them.
#
# KORVO_STATIC_DEPS links libcrypto and libb2 statically (for wheels, whose
# extension must need nothing but the C and C++ runtime).

find_package(OpenSSL COMPONENTS Crypto QUIET)
find_package(nlohmann_json 3.10 QUIET)
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(B2 QUIET IMPORTED_TARGET libb2)
endif()

set(korvo_missing_debian "")
set(korvo_missing_names "")
if(NOT OpenSSL_FOUND)
  list(APPEND korvo_missing_debian libssl-dev)
  list(APPEND korvo_missing_names "OpenSSL libcrypto (Fedora: openssl-devel, Arch: openssl, macOS Homebrew: openssl@3)")
endif()
if(NOT B2_FOUND)
  if(NOT PKG_CONFIG_FOUND)
    list(APPEND korvo_missing_debian pkg-config)
  endif()
  list(APPEND korvo_missing_debian libb2-dev)
  list(APPEND korvo_missing_names "libb2 and pkg-config (Fedora: libb2-devel pkgconf, Arch: libb2 pkgconf, macOS Homebrew: libb2 pkg-config)")
endif()
if(NOT nlohmann_json_FOUND)
  list(APPEND korvo_missing_debian nlohmann-json3-dev)
  list(APPEND korvo_missing_names "nlohmann-json 3.10 or later (Fedora: json-devel, Arch: nlohmann-json, macOS Homebrew: nlohmann-json)")
endif()
if(korvo_missing_names)
  list(JOIN korvo_missing_debian " " korvo_debian_line)
  list(JOIN korvo_missing_names "\n  - " korvo_names_text)
  message(FATAL_ERROR "korvo_python_sdk cannot be built: missing build dependencies:\n"
                      "  - ${korvo_names_text}\n"
                      "On Debian or Ubuntu install them with:\n"
                      "  sudo apt-get install ${korvo_debian_line}\n")
endif()

if(KORVO_STATIC_DEPS)
  find_library(KORVO_CRYPTO_ARCHIVE NAMES libcrypto.a HINTS ${OPENSSL_ROOT_DIR} PATH_SUFFIXES lib lib64)
  find_library(KORVO_B2_ARCHIVE NAMES libb2.a HINTS ${B2_LIBRARY_DIRS})
  if(NOT KORVO_CRYPTO_ARCHIVE OR NOT KORVO_B2_ARCHIVE)
    message(FATAL_ERROR "KORVO_STATIC_DEPS needs the static archives libcrypto.a and libb2.a "
                        "(Debian: libssl-dev libb2-dev); found: '${KORVO_CRYPTO_ARCHIVE}' '${KORVO_B2_ARCHIVE}'")
  endif()
  find_package(Threads REQUIRED)
  add_library(korvo_crypto_dep STATIC IMPORTED)
  set_target_properties(korvo_crypto_dep PROPERTIES
    IMPORTED_LOCATION ${KORVO_CRYPTO_ARCHIVE}
    INTERFACE_INCLUDE_DIRECTORIES ${OPENSSL_INCLUDE_DIR}
    INTERFACE_COMPILE_DEFINITIONS KORVO_STATIC_CRYPTO
    INTERFACE_LINK_LIBRARIES "Threads::Threads;${CMAKE_DL_LIBS}")
  add_library(korvo_b2_dep STATIC IMPORTED)
  set_target_properties(korvo_b2_dep PROPERTIES
    IMPORTED_LOCATION ${KORVO_B2_ARCHIVE}
    INTERFACE_INCLUDE_DIRECTORIES "${B2_INCLUDE_DIRS}")
else()
  add_library(korvo_crypto_dep INTERFACE)
  target_link_libraries(korvo_crypto_dep INTERFACE OpenSSL::Crypto)
  add_library(korvo_b2_dep INTERFACE)
  target_link_libraries(korvo_b2_dep INTERFACE PkgConfig::B2)
endif()
