# Fails when a file reaches into a layer's internal/ folder from outside. A layer's own sources
# include those headers as "internal/X.h", which resolves only next to them; every other path to
# one ("core/internal/X.h", "../internal/X.h") is a dependency on what the layer keeps to itself.
# Run as: cmake -DROOT=<repository> -P InternalHeaders.cmake
set(folders accessories app bench checker cli core displays fuzz look resources sourcefile sourceimport
            tests viewtext workbench)
set(offenders)
foreach(folder ${folders})
  file(GLOB_RECURSE sources "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.h")
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*/internal/")
    foreach(line ${lines})
      file(RELATIVE_PATH name ${ROOT} ${source})
      list(APPEND offenders "${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "Internal headers included from outside their layer:\n${text}")
endif()
