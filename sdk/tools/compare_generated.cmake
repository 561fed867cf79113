# Writes the tables into OUT with TOOL and compares each, byte for byte, with
# its committed copy under COMMITTED.
# EMULATOR: the cross build's emulator and its arguments, separated by "|".
string(REPLACE "|" ";" emulator "${EMULATOR}")
execute_process(COMMAND ${emulator} ${TOOL} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "write_tables failed (${status})")
endif()
foreach(file curve/jubjub_params_data.inc poseidon/fixed_permutation_data.inc)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${file} ${COMMITTED}/${file} RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "sdk/src/${file} is not what the derivation writes (${OUT}/${file}); "
                        "rewrite it with: cmake --build <build dir> --target regenerate_tables")
  endif()
endforeach()
