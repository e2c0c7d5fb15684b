# Draws every figure of the user guide into WORK_DIR with the programs that
# make them (gmtrrt_figures, the demo, the recipes with --svg), then
#   MODE=check   compares each with its committed copy in COMMITTED, through
#                `gmtrrt_figures --compare` (numbers may differ by one unit in
#                their last written digit), and fails on a figure that differs,
#                is missing or is no longer drawn;
#   MODE=update  copies the drawings over the committed copies.
# Inputs: FIGURES, DEMO, RECIPES and EMULATOR (lists joined by "|"; EMULATOR
# runs the programs of a cross build), COMMITTED, WORK_DIR, MODE.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" recipes "${RECIPES}")

# Output goes to a file, not a pipe: under Wine the services that the first
# program starts inherit the program's output, and a pipe would stay open
# (and the script wait) until they exit.
function(run)
  execute_process(COMMAND ${emulator} ${ARGN} RESULT_VARIABLE rc
                  OUTPUT_FILE ${WORK_DIR}/run.log ERROR_FILE ${WORK_DIR}/run.err)
  set(status ${rc} PARENT_SCOPE)
  if(NOT rc EQUAL 0 AND NOT COMPARING)
    file(READ ${WORK_DIR}/run.log out)
    file(READ ${WORK_DIR}/run.err err)
    message(FATAL_ERROR "command failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

run(${FIGURES} ${WORK_DIR})
run(${DEMO} -o ${WORK_DIR}/demo.svg)
foreach(recipe IN LISTS recipes)
  get_filename_component(name ${recipe} NAME_WE)
  run(${recipe} --svg ${WORK_DIR}/${name}.svg)
endforeach()

file(GLOB drawn RELATIVE ${WORK_DIR} ${WORK_DIR}/*.svg)
file(REMOVE ${WORK_DIR}/run.log ${WORK_DIR}/run.err)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*.svg)
list(LENGTH drawn count)
if(MODE STREQUAL "update")
  foreach(f IN LISTS committed)
    if(NOT f IN_LIST drawn)
      file(REMOVE ${COMMITTED}/${f})
    endif()
  endforeach()
  file(COPY ${WORK_DIR}/ DESTINATION ${COMMITTED} FILES_MATCHING PATTERN "*.svg")
  message(STATUS "${count} figures written to ${COMMITTED}")
  return()
endif()

set(problems "")
foreach(f IN LISTS drawn)
  if(NOT f IN_LIST committed)
    string(APPEND problems "${f} is drawn but not committed\n")
    continue()
  endif()
  set(COMPARING ON)
  run(${FIGURES} --compare ${COMMITTED}/${f} ${WORK_DIR}/${f})
  set(COMPARING OFF)
  if(NOT status EQUAL 0)
    file(READ ${WORK_DIR}/run.err err)
    string(APPEND problems "${err}")
  endif()
endforeach()
foreach(f IN LISTS committed)
  if(NOT f IN_LIST drawn)
    string(APPEND problems "${f} is committed but no longer drawn\n")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "${problems}The committed figures are out of date: run "
                      "`cmake --build <build dir> --target update_figures` and commit docs/figures.")
endif()
message(STATUS "${count} figures match their committed copies")
