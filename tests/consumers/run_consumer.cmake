# Builds and runs one of the consumer projects the way a host would.
#   MODE=package      install the built library into a prefix, find_package it
#   MODE=subdirectory add the source tree with add_subdirectory
#   MODE=pkgconfig    install, then compile with the flags pkg-config gives
# Inputs: MODE, SOURCE_DIR (library source), BINARY_DIR (library build), WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
set(here ${SOURCE_DIR}/tests/consumers)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "command failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
endfunction()

if(MODE STREQUAL "package" OR MODE STREQUAL "pkgconfig")
  run(${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix})
  foreach(f GMTRRT/GMTRRT.h GMTRRT/CGMTRArc2D.h GMTRRTConfig.cmake GMTRRTTargets.cmake GMTRRT.pc
            libGMTRRT.so.1)
    file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
    list(FILTER installed INCLUDE REGEX "(^|/)${f}$")
    if(NOT installed)
      message(FATAL_ERROR "not installed: ${f}")
    endif()
  endforeach()
endif()

if(MODE STREQUAL "package")
  run(${CMAKE_COMMAND} -S ${here}/package -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
  run(${WORK_DIR}/build/consumer)
elseif(MODE STREQUAL "subdirectory")
  run(${CMAKE_COMMAND} -S ${here}/subdirectory -B ${WORK_DIR}/build -DGMTRRT_SOURCE_DIR=${SOURCE_DIR})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build -j2)
  run(${WORK_DIR}/build/consumer)
elseif(MODE STREQUAL "pkgconfig")
  file(GLOB_RECURSE pcfile ${prefix}/*GMTRRT.pc)
  get_filename_component(pcdir ${pcfile} DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} ${pcdir})
  execute_process(COMMAND pkg-config --cflags --libs GMTRRT OUTPUT_VARIABLE flags
                  RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know GMTRRT")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(c++ -std=c++17 ${here}/consumer.cpp ${flags} -o ${WORK_DIR}/consumer)
  set(ENV{LD_LIBRARY_PATH} ${pcdir}/..)
  run(${WORK_DIR}/consumer)
else()
  message(FATAL_ERROR "unknown MODE ${MODE}")
endif()
