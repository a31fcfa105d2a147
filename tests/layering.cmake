# Checks the layers of the sources in SOURCE (src/): each folder is a layer,
# and a file may include only headers of its own layer and of the layers it
# builds on, as listed here (a house of six floors: the pictures stand beside
# the analyses on the core alone):
#   core       nothing
#   analysis   core
#   picture    core
#   training   core, analysis
#   console    core, analysis, training, picture
#   web        all of those and console
#   app        every layer
set(layers core analysis picture training console web app)
set(below_core "")
set(below_analysis core)
set(below_picture core)
set(below_training core analysis)
set(below_console core analysis picture training)
set(below_web core analysis picture training console)
set(below_app core analysis picture training console web)
# Nor may the units (a header with its .cc) include one another in a circle.
# Run with: cmake -DSOURCE=src -P tests/layering.cmake

get_filename_component(SOURCE "${SOURCE}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE "${SOURCE}" "${SOURCE}/*.h" "${SOURCE}/*.cc")
set(faults "")
set(units "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" layer "${file}")
  list(FIND layers "${layer}" rank)
  if(rank EQUAL -1)
    string(APPEND faults "  ${file}: in no layer\n")
    continue()
  endif()
  string(REGEX REPLACE "\\.(h|cc)$" "" unit "${file}")
  list(APPEND units "${unit}")
  file(STRINGS "${SOURCE}/${file}" lines REGEX "^#include \"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+" its_layer "${header}")
    list(FIND below_${layer} "${its_layer}" allowed)
    if(NOT its_layer STREQUAL layer AND allowed EQUAL -1)
      string(APPEND faults "  ${file} includes ${header}\n")
    endif()
    string(REGEX REPLACE "\\.h$" "" included "${header}")
    if(NOT included STREQUAL unit)
      list(APPEND "uses_${unit}" "${included}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES units)

# Depth-first search; a unit met again while still on the path closes a
# circle. Units whose every path has been followed are marked in a global
# property, which, unlike a variable, every level of the search sees.
function(visit unit path)
  get_property(done GLOBAL PROPERTY "done_${unit}")
  if(done)
    return()
  endif()
  list(FIND path "${unit}" on_path)
  if(NOT on_path EQUAL -1)
    list(SUBLIST path ${on_path} -1 circle)
    list(JOIN circle " -> " circle)
    set(circles "${circles}  ${circle} -> ${unit}\n" PARENT_SCOPE)
    return()
  endif()
  list(APPEND path "${unit}")
  foreach(next IN LISTS uses_${unit})
    visit("${next}" "${path}")
    set(circles "${circles}" PARENT_SCOPE)
  endforeach()
  set_property(GLOBAL PROPERTY "done_${unit}" TRUE)
endfunction()

set(circles "")
foreach(unit IN LISTS units)
  visit("${unit}" "")
endforeach()

if(NOT faults STREQUAL "" OR NOT circles STREQUAL "")
  message(FATAL_ERROR "Includes against the layers (${layers}):\n${faults}"
                      "Include circles:\n${circles}")
endif()
list(LENGTH files checked)
message(STATUS "${checked} files in their layers, no include circle")
