# Draws and packs one skin again into WORK and compares the result with EXPECTED: the same
# sources must give the same bytes.
# Usage: cmake -DSKINGEN=... -DSKINTOOL=... -DTHEME=... -DEXPECTED=... -DWORK=... [-DSTREAM=1] -P
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${SKINGEN} ${THEME} ${WORK}/folder RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "skingen ${THEME} failed")
endif()
set(options)
if(STREAM)
  set(options --stream)
endif()
execute_process(COMMAND ${SKINTOOL} pack ${options} ${WORK}/folder ${WORK}/skin
                RESULT_VARIABLE packed OUTPUT_QUIET)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "skintool pack failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/skin ${EXPECTED}
                RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "packing ${THEME} again gave other bytes than ${EXPECTED}")
endif()
file(REMOVE_RECURSE ${WORK})
