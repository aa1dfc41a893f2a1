# Runs the transcript harness on one answers file, with the arguments of NAME.args beside
# it where there is one, and compares its output with the golden transcript. A
# transcript that ends with the answers running out must exit 3.
set(arguments)
if(EXISTS ${ARGS})
  file(STRINGS ${ARGS} arguments ENCODING UTF-8)
  separate_arguments(arguments UNIX_COMMAND "${arguments}")
endif()
execute_process(COMMAND ${TRANSCRIPT} ${arguments}
  INPUT_FILE ${ANSWERS}
  OUTPUT_VARIABLE actual
  RESULT_VARIABLE status)
file(WRITE ${ACTUAL} "${actual}")
if(NOT EXISTS ${EXPECTED})
  message(FATAL_ERROR "no golden transcript ${EXPECTED}; the output is in ${ACTUAL}")
endif()
file(READ ${EXPECTED} expected)
string(FIND "${expected}" "# answers ran out" ran_out)
if(ran_out EQUAL -1)
  set(expected_status 0)
else()
  set(expected_status 3)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "transcript exited with ${status}, expected ${expected_status}")
endif()
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "transcript differs from ${EXPECTED}")
endif()
