# Lists the symbols the built library exports and fails when one of them is
# not part of the public interface (a public class's member, virtual table or
# type information, or one of the nine shared functions), or when a member
# every host needs is missing. A DLL must also need no runtime DLL beyond the
# system's and must have its entry point.
#   FORMAT=ELF  NM=<nm>          the dynamic symbol table of libGMTRRT.so
#   FORMAT=PE   OBJDUMP=<objdump> the export and import tables of GMTRRT.dll
# Input: LIB, the library file.
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
foreach(required "CGMTRVector2D::Length() const" "CGMTRPoint2D::Distance2D(CGMTRPoint2D const&) const"
                 "CGMTRMatrix2D::Inverse()" "CGMTRPoint2DCol::GetCount() const"
                 "CGMTRPoint2DCol::get_Item(long, CGMTRPoint2D&) const"
                 "vtable for CGMTRLine2D" "vtable for CGMTRRepeatGrid"
                 "IsAngleInRange(double const&, double const&, double const&)")
  string(FIND "${out}" "${required}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "Expected exported symbol missing: ${required}")
  endif()
endforeach()
message(STATUS "${count} exported symbols, all public")
