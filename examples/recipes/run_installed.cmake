# Builds the recipes as a host project builds them: the library is installed
# into a prefix, examples/recipes is configured against it with
# find_package(GMTRRT), built, and its tests run with CTest.
# Inputs: SOURCE_DIR, BINARY_DIR (the library's build), WORK_DIR, BUILD_TYPE.
# A cross build also passes TOOLCHAIN and WINEPREFIX: the recipes are built
# with the same toolchain and run under its emulator, finding GMTRRT.dll on
# WINEPATH.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "command failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
endfunction()

run(${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix})
set(configure_args -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
if(TOOLCHAIN)
  list(APPEND configure_args -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DGMTRRT_WINEPREFIX=${WINEPREFIX})
  set(ENV{WINEPATH} ${prefix}/bin)
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/recipes -B ${WORK_DIR}/build ${configure_args})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build -j2)
run(${CMAKE_CTEST_COMMAND} --test-dir ${WORK_DIR}/build --output-on-failure --no-tests=error)
