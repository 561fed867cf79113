# Read after project() under the zig toolchain: the folders of the build
# machine's headers count as the compiler's own, so CMake never puts them
# in front of zig's C library headers with -isystem.
list(APPEND CMAKE_C_IMPLICIT_INCLUDE_DIRECTORIES /usr/include /usr/include/${CMAKE_LIBRARY_ARCHITECTURE})
list(APPEND CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES /usr/include /usr/include/${CMAKE_LIBRARY_ARCHITECTURE})
