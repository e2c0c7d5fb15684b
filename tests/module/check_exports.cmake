# Lists the symbols the built library exports and fails when one of them is
# not part of the public interface (a public class's member, virtual table or
# type information, or one of the nine shared functions), or when a member
# every host needs is missing. A DLL must also need no runtime DLL beyond the
# system's and must have its entry point.
#   FORMAT=ELF  NM=<nm>          the dynamic symbol table of libGMTRRT.so
#   FORMAT=PE   OBJDUMP=<objdump> the export and import tables of GMTRRT.dll
# Input: LIB, the library file.
cmake_policy(SET CMP0007 NEW)

if(FORMAT STREQUAL "ELF")
  execute_process(COMMAND ${NM} -D --defined-only -C ${LIB}
                  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${LIB}")
  endif()
  string(REPLACE "\n" ";" lines "${out}")
  set(names "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[0-9a-fA-F]* +[A-Za-z] +" "" name "${line}")
    # Version nodes of the library itself are not code.
    if(NOT name STREQUAL "" AND NOT name MATCHES "^GMTRRT" AND NOT name MATCHES "^_init$|^_fini$")
      list(APPEND names "${name}")
    endif()
  endforeach()
elseif(FORMAT STREQUAL "PE")
  execute_process(COMMAND ${OBJDUMP} -p ${LIB} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} failed on ${LIB}")
  endif()
  # The export names follow "[Ordinal/Name Pointer] Table" up to a blank
  # line, one "[ n] name" per line. Brackets become angle brackets first: an
  # unbalanced bracket would stop CMake from splitting the list.
  string(REPLACE "[" "<" text "${out}")
  string(REPLACE "]" ">" text "${text}")
  string(REGEX MATCH "<Ordinal/Name Pointer> Table\n([^\n]+\n)+" table "${text}")
  string(REGEX MATCHALL "<[ 0-9]+> [^\n]+" entries "${table}")
  set(mangled "")
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^<[ 0-9]+> " "" entry "${entry}")
    list(APPEND mangled "${entry}")
  endforeach()
  if(NOT mangled)
    message(FATAL_ERROR "${LIB} exports nothing")
  endif()
  # Demangled with the host's c++filt: MinGW uses the same C++ name mangling.
  list(JOIN mangled "\n" joined)
  find_program(CXXFILT NAMES x86_64-w64-mingw32-c++filt c++filt REQUIRED)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/exports.txt "${joined}\n")
  execute_process(COMMAND ${CXXFILT} INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/exports.txt
                  OUTPUT_VARIABLE demangled RESULT_VARIABLE rc)
  string(REPLACE "\n" ";" names "${demangled}")
  list(FILTER names EXCLUDE REGEX "^$")
  set(out "${demangled}")

  # Imports: Windows' own DLLs only (the C runtime included), never the
  # MinGW runtime (libstdc++, libgcc, winpthread).
  execute_process(COMMAND ${OBJDUMP} -p ${LIB} OUTPUT_VARIABLE headers)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll MATCHES "^(kernel32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+|user32|advapi32)\\.dll$")
      message(FATAL_ERROR "${LIB} needs a runtime DLL that Windows does not have: ${dll}")
    endif()
  endforeach()
  # The entry point the module defines (it reports success for every reason).
  execute_process(COMMAND ${OBJDUMP} -t ${LIB} OUTPUT_VARIABLE symbols)
  if(NOT symbols MATCHES "[ \t]DllMain\n")
    message(FATAL_ERROR "${LIB} has no DllMain")
  endif()
else()
  message(FATAL_ERROR "FORMAT must be ELF or PE")
endif()

set(count 0)
set(bad "")
foreach(name IN LISTS names)
  if(name MATCHES "^(CGMTR|tagGMTR)[A-Za-z0-9_]*::"
     OR name MATCHES "^(vtable|typeinfo|typeinfo name) for (CGMTR|tagGMTR)"
     OR name MATCHES "^(IsEqualValue|IsSamePoint|NormalizeAngle|NormalizeSignedAngle|ReduceAngle|GetDirectionAngle|SnapCos|SnapSin|IsAngleInRange)\\(")
    math(EXPR count "${count} + 1")
  else()
    list(APPEND bad "${name}")
  endif()
endforeach()
if(bad)
  string(REPLACE ";" "\n  " badlist "${bad}")
  message(FATAL_ERROR "Symbols outside the public interface are exported:\n  ${badlist}")
endif()
# The exported members, member by member, against the list kept beside this
# script's project (cmake/GMTRRT.exports.txt, demangled and sorted): a member that stops
# being exported, or one that is exported without being listed, fails. After
# adding a public member, add its line(s) to the list. The DLL has no
# "typeinfo name" entries (MinGW does not export type names).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../../cmake/GMTRRT.exports.txt expected)
if(FORMAT STREQUAL "PE")
  list(FILTER expected EXCLUDE REGEX "^typeinfo name for ")
endif()
set(actual ${names})
list(REMOVE_DUPLICATES actual)
set(missing ${expected})
list(REMOVE_ITEM missing ${actual})
set(unlisted ${actual})
list(REMOVE_ITEM unlisted ${expected})
if(missing)
  string(REPLACE ";" "\n  " text "${missing}")
  message(FATAL_ERROR "Members no longer exported:\n  ${text}")
endif()
if(unlisted)
  string(REPLACE ";" "\n  " text "${unlisted}")
  message(FATAL_ERROR "Exported but not in GMTRRT.exports.txt:\n  ${text}")
endif()
list(LENGTH actual exported)
message(STATUS "${exported} exported symbols, all public and all listed")
