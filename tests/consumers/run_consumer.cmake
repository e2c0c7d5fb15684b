# Builds and runs one of the consumer projects the way a host would.
#   MODE=package      install the built library into a prefix, find_package it
#   MODE=subdirectory add the source tree with add_subdirectory
#   MODE=pkgconfig    install, then build and run a host with the README's
#                     pkg-config commands (a cross build: its compiler with
#                     the flags pkg-config gives)
#   MODE=archive      make the release archive with CPack, unpack it, build the
#                     README's example against it and compare its output
# Inputs: MODE, SOURCE_DIR (library source), BINARY_DIR (library build),
# WORK_DIR, CXX (the library's compiler), BUILD_TYPE. A cross build also
# passes TOOLCHAIN, EMULATOR (its parts joined by "|") and WINEPREFIX: the
# consumer is built with the same toolchain and run under the emulator, so a
# Windows build never checks a native program by mistake.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
set(here ${SOURCE_DIR}/tests/consumers)

set(configure_args -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
set(emulator "")
if(TOOLCHAIN)
  list(APPEND configure_args -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DGMTRRT_WINEPREFIX=${WINEPREFIX})
  string(REPLACE "|" ";" emulator "${EMULATOR}")
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "command failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

# Runs a host program the consumer built, with the library's folder on the
# search path of the platform the program was built for.
function(run_host program libdir)
  if(TOOLCHAIN)
    set(ENV{WINEPATH} ${libdir})
  else()
    set(ENV{LD_LIBRARY_PATH} ${libdir})
  endif()
  if(TOOLCHAIN)
    # The consumer must be a Windows program: a PE file starts with "MZ".
    file(READ ${program}.exe magic LIMIT 2 HEX)
    if(NOT magic STREQUAL "4d5a")
      message(FATAL_ERROR "${program}.exe is not a Windows program")
    endif()
    run(${emulator} ${program}.exe)
  else()
    run(${program})
  endif()
  set(last_output "${last_output}" PARENT_SCOPE)
endfunction()

function(require_installed root)
  file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
  foreach(f ${ARGN})
    set(found ${installed})
    list(FILTER found INCLUDE REGEX "(^|/)${f}$")
    if(NOT found)
      message(FATAL_ERROR "not installed: ${f}\n${installed}")
    endif()
  endforeach()
endfunction()

# The folder of an installed tree that holds the library a program loads.
function(library_dir root out)
  file(GLOB_RECURSE lib ${root}/*/libGMTRRT.so.1 ${root}/*/GMTRRT.dll)
  list(GET lib 0 lib)
  get_filename_component(dir ${lib} DIRECTORY)
  set(${out} ${dir} PARENT_SCOPE)
endfunction()

if(TOOLCHAIN)
  set(library_files bin/GMTRRT.dll lib/GMTRRT.dll.a)
else()
  set(library_files libGMTRRT.so.1)
endif()
set(package_files GMTRRT/GMTRRT.h GMTRRT/CGMTRArc2D.h GMTRRTConfig.cmake GMTRRTTargets.cmake
                  GMTRRT.pc ${library_files})

if(MODE STREQUAL "package" OR MODE STREQUAL "pkgconfig")
  run(${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix})
  require_installed(${prefix} ${package_files})
endif()

if(MODE STREQUAL "package")
  run(${CMAKE_COMMAND} -S ${here}/package -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix}
      ${configure_args})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
  library_dir(${prefix} libdir)
  run_host(${WORK_DIR}/build/consumer ${libdir})
elseif(MODE STREQUAL "subdirectory")
  run(${CMAKE_COMMAND} -S ${here}/subdirectory -B ${WORK_DIR}/build
      -DGMTRRT_SOURCE_DIR=${SOURCE_DIR} ${configure_args})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build -j2)
  run_host(${WORK_DIR}/build/consumer ${WORK_DIR}/build)
elseif(MODE STREQUAL "pkgconfig")
  file(GLOB_RECURSE pcfile ${prefix}/*GMTRRT.pc)
  get_filename_component(pcdir ${pcfile} DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} ${pcdir})
  execute_process(COMMAND pkg-config --cflags --libs GMTRRT OUTPUT_VARIABLE flags
                  RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know GMTRRT")
  endif()
  if(TOOLCHAIN)
    # The cross compiler with the flags pkg-config gives; the MinGW runtime
    # goes into the program (-static would also refuse the DLL's import
    # library).
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(APPEND flags -static-libgcc -static-libstdc++)
    run(${CXX} -std=c++17 ${here}/consumer.cpp ${flags} -o ${WORK_DIR}/consumer.exe)
    library_dir(${prefix} libdir)
    run_host(${WORK_DIR}/consumer ${libdir})
  else()
    # The README's commands exactly as a host types them, in a folder that
    # holds the host program as my_cam.cpp, with PKG_CONFIG_PATH pointing at
    # this install instead of /opt/gmtrrt. The program they build must run
    # without LD_LIBRARY_PATH (its rpath finds the library).
    file(READ ${SOURCE_DIR}/README.md readme)
    string(REGEX MATCH "```\n(export PKG_CONFIG_PATH=[^`]*)```" block "${readme}")
    if(NOT CMAKE_MATCH_1)
      message(FATAL_ERROR "README.md has no pkg-config commands")
    endif()
    string(REGEX REPLACE "^export PKG_CONFIG_PATH=[^\n]*\n" "" commands "${CMAKE_MATCH_1}")
    file(COPY_FILE ${here}/consumer.cpp ${WORK_DIR}/my_cam.cpp)
    unset(ENV{LD_LIBRARY_PATH})
    execute_process(COMMAND sh -e -c "${commands}" WORKING_DIRECTORY ${WORK_DIR}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "the README's pkg-config commands failed (${rc}):\n${commands}\n${out}\n${err}")
    endif()
    message(STATUS "${out}")
  endif()
elseif(MODE STREQUAL "archive")
  # The archive CPack makes from the build, unpacked where a host would.
  run(cpack --config ${BINARY_DIR}/CPackConfig.cmake -B ${WORK_DIR}/cpack)
  file(GLOB archive ${WORK_DIR}/cpack/GMTRRT-*.zip ${WORK_DIR}/cpack/GMTRRT-*.tar.gz)
  if(NOT archive)
    message(FATAL_ERROR "CPack made no archive")
  endif()
  file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${WORK_DIR}/unpacked)
  file(GLOB root LIST_DIRECTORIES true ${WORK_DIR}/unpacked/*)
  require_installed(${root} ${package_files})
  # The README's example, exactly as the README shows it.
  file(READ ${SOURCE_DIR}/README.md readme)
  string(REGEX MATCH "```cpp\n([^`]*)```" block "${readme}")
  if(NOT CMAKE_MATCH_1)
    message(FATAL_ERROR "README.md has no C++ example")
  endif()
  file(WRITE ${WORK_DIR}/readme_example.cpp "${CMAKE_MATCH_1}")
  run(${CMAKE_COMMAND} -S ${here}/package -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${root}
      -DCONSUMER_SOURCE=${WORK_DIR}/readme_example.cpp ${configure_args})
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
  library_dir(${root} libdir)
  run_host(${WORK_DIR}/build/consumer ${libdir})
  file(READ ${here}/readme_example.out expected)
  string(REPLACE "\r\n" "\n" got "${last_output}")
  if(NOT got STREQUAL expected)
    message(FATAL_ERROR "The README example printed\n${got}\ninstead of\n${expected}")
  endif()
else()
  message(FATAL_ERROR "unknown MODE ${MODE}")
endif()
