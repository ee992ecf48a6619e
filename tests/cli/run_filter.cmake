# Runs morwick-fix on one case and compares standard output, standard error
# and the exit status with what the case expects, byte for byte.
#
#   cmake -DFILTER=<exe> [-DEMULATOR=<runner>] -DCASE=<dir>/<name> -DWORK=<dir> -P run_filter.cmake
#
# A case is a set of files sharing a name:
#   name.in          the input (on standard input, unless name.args names it)
#   name.out         expected standard output; without it, the input itself
#   name.err         expected standard error; without it, nothing
#   name.err-prefix  instead of name.err: what standard error must begin with
#   name.code        expected exit status; without it, 0
#   name.args        arguments, one per line; @IN stands for the input's path

foreach(var FILTER CASE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_filter.cmake needs -D${var}=")
  endif()
endforeach()

get_filename_component(name "${CASE}" NAME)
set(input "${CASE}.in")
set(args "")
set(stdin_file "${input}")
if(EXISTS "${CASE}.args")
  file(STRINGS "${CASE}.args" args)
  list(TRANSFORM args REPLACE "^@IN$" "${input}")
  list(FIND args "${input}" named)
  if(NOT named EQUAL -1)
    set(stdin_file "${WORK}/${name}.empty")
    file(WRITE "${stdin_file}" "")
  endif()
endif()

set(out "${WORK}/${name}.stdout")
set(err "${WORK}/${name}.stderr")
execute_process(
  COMMAND ${EMULATOR} "${FILTER}" ${args}
  INPUT_FILE "${stdin_file}"
  OUTPUT_FILE "${out}"
  ERROR_FILE "${err}"
  RESULT_VARIABLE code)

set(failures "")

set(expected_code 0)
if(EXISTS "${CASE}.code")
  file(STRINGS "${CASE}.code" expected_code LIMIT_COUNT 1)
endif()
if(NOT "${code}" STREQUAL "${expected_code}")
  string(APPEND failures "exit status ${code}, expected ${expected_code}\n")
endif()

function(compare what actual_file expected_file)
  file(READ "${actual_file}" actual HEX)
  file(READ "${expected_file}" expected HEX)
  if(NOT actual STREQUAL expected)
    file(READ "${actual_file}" actual_text)
    set(failures "${failures}${what} differs from ${expected_file}; got:\n${actual_text}\n(hex ${actual})\n" PARENT_SCOPE)
  endif()
endfunction()

if(EXISTS "${CASE}.out")
  compare("standard output" "${out}" "${CASE}.out")
else()
  compare("standard output" "${out}" "${input}")
endif()

if(EXISTS "${CASE}.err-prefix")
  file(READ "${CASE}.err-prefix" prefix)
  file(READ "${err}" actual)
  string(FIND "${actual}" "${prefix}" at)
  if(NOT at EQUAL 0)
    string(APPEND failures "standard error does not begin with '${prefix}'; got:\n${actual}\n")
  endif()
elseif(EXISTS "${CASE}.err")
  compare("standard error" "${err}" "${CASE}.err")
else()
  file(SIZE "${err}" err_size)
  if(NOT err_size EQUAL 0)
    file(READ "${err}" actual)
    string(APPEND failures "standard error should be empty; got:\n${actual}\n")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${name}:\n${failures}")
endif()
