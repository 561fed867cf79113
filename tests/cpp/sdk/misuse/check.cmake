# cmake -DCOMPILER=... -DINCLUDE=... -DSOURCE=... -P check.cmake
# Compiles SOURCE twice: as it is, which must succeed (so the header, the
# flags and the snippet are sound), and with KORVO_MISUSE, which must fail.
foreach(variant control misuse)
  set(defines "")
  if(variant STREQUAL "misuse")
    set(defines -DKORVO_MISUSE)
  endif()
  execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I${INCLUDE} ${defines} ${SOURCE}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(variant STREQUAL "control" AND NOT status EQUAL 0)
    message(FATAL_ERROR "the correct use does not compile:\n${output}")
  endif()
  if(variant STREQUAL "misuse" AND status EQUAL 0)
    message(FATAL_ERROR "the misuse compiles")
  endif()
endforeach()
message(STATUS "the correct use compiles, the misuse does not")
