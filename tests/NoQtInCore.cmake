# Fails when a file of the core or of the command-line tools includes a Qt header: the core must
# build, be fuzzed and be used by the command-line tools without Qt, and the tools must run where
# Qt is not installed. Run by ctest: cmake -DROOT=<source dir> -P <this>.
file(GLOB_RECURSE sources "${ROOT}/core/*.h" "${ROOT}/core/*.cpp" "${ROOT}/tools/*.h" "${ROOT}/tools/*.cpp")
set(offenders "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(lines)
    list(APPEND offenders "${source}: ${lines}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n" report)
  message(FATAL_ERROR "Qt included in the core or the tools:\n${report}")
endif()
