# Builds with `zig c++` against the symbol set of an old glibc, so that the
# wheel's extension and tool load on every distribution since that glibc.
# Zig brings its own libc++ and links it statically; the C runtime is the
# only shared library left to need.
#
#   -DKORVO_ZIG=/path/to/zig         the zig binary (pip's ziglang ships one)
#   -DKORVO_ZIG_TARGET=x86_64-linux-gnu.2.17 or aarch64-linux-gnu.2.17
set(KORVO_ZIG "" CACHE FILEPATH "The zig binary")
set(KORVO_ZIG_TARGET "x86_64-linux-gnu.2.17" CACHE STRING "zig's target triple with the glibc floor")
if(NOT KORVO_ZIG)
  message(FATAL_ERROR "The zig toolchain needs -DKORVO_ZIG=/path/to/zig")
endif()
# try_compile projects read this file again and need the same two settings.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORVO_ZIG KORVO_ZIG_TARGET)

string(REGEX MATCH "^[^-]+" korvo_zig_arch "${KORVO_ZIG_TARGET}")
# Only another architecture makes a cross build: for the build machine's own,
# FindPython reads the interpreter's full build settings as usual.
if(NOT korvo_zig_arch STREQUAL CMAKE_HOST_SYSTEM_PROCESSOR)
  set(CMAKE_SYSTEM_NAME Linux)
  set(CMAKE_SYSTEM_PROCESSOR ${korvo_zig_arch})
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${korvo_zig_arch} -L /usr/${korvo_zig_arch}-linux-gnu)
endif()
set(CMAKE_LIBRARY_ARCHITECTURE ${korvo_zig_arch}-linux-gnu)
# zig compiles for the build machine's processor unless told otherwise; a
# wheel must run on every processor of its architecture.
set(CMAKE_C_COMPILER ${KORVO_ZIG} cc -target ${KORVO_ZIG_TARGET} -mcpu=baseline)
set(CMAKE_CXX_COMPILER ${KORVO_ZIG} c++ -target ${KORVO_ZIG_TARGET} -mcpu=baseline)
# Archives are indexed by the binutils of the target architecture.
find_program(CMAKE_AR ${korvo_zig_arch}-linux-gnu-ar REQUIRED)
find_program(CMAKE_RANLIB ${korvo_zig_arch}-linux-gnu-ranlib REQUIRED)

# The dependencies' headers come from Debian's development packages of the
# target architecture (multiarch). They are searched after zig's own C library
# headers, so that no header of the build machine's newer glibc is read.
set(CMAKE_C_FLAGS_INIT "-idirafter /usr/include/${korvo_zig_arch}-linux-gnu -idirafter /usr/include")
set(CMAKE_CXX_FLAGS_INIT "${CMAKE_C_FLAGS_INIT}")
set(CMAKE_PROJECT_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/zig-system-headers.cmake)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${korvo_zig_arch}-linux-gnu/pkgconfig:/usr/share/pkgconfig)
