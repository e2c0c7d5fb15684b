# Lists the dynamic symbols that libGMTRRT defines and fails when one of them
# is not part of the public interface (a public class's member, virtual table
# or type information, or one of the nine shared functions).
execute_process(COMMAND nm -D --defined-only -C ${LIB}
                OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIB}")
endif()
string(REPLACE "\n" ";" lines "${out}")
set(count 0)
set(bad "")
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  string(REGEX REPLACE "^[0-9a-fA-F]* +[A-Za-z] +" "" name "${line}")
  # Version nodes of the library itself are not code.
  if(name MATCHES "^GMTRRT" OR name MATCHES "^_init$|^_fini$")
    continue()
  endif()
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
                 "CGMTRMatrix2D::Inverse()" "IsAngleInRange(double const&, double const&, double const&)")
  string(FIND "${out}" "${required}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "Expected exported symbol missing: ${required}")
  endif()
endforeach()
message(STATUS "${count} exported symbols, all public")
