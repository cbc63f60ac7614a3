# Every path a document names exists. The paths are the texts between backticks that are written as one: names
# joined by slashes (a folder ends with one), or a file name with its ending, from the repository's root. Other
# texts between backticks (names of classes, functions, tests) are not paths and are passed over.
# cmake -DRAIZ=<the repository> -DDOCUMENTO=<the document> -P RutasDocumento.cmake

cmake_minimum_required(VERSION 3.25)

foreach(variable RAIZ DOCUMENTO)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} not given")
  endif()
endforeach()

file(READ ${DOCUMENTO} texto)
# A semicolon would split CMake's lists.
string(REPLACE ";" "," texto "${texto}")
string(REGEX MATCHALL "`[^`\n]+`" citas "${texto}")

set(rutas 0)
set(faltan)
foreach(cita IN LISTS citas)
  string(REGEX REPLACE "^`(.*)`$" "\\1" ruta "${cita}")
  if(NOT ruta MATCHES "^[A-Za-z0-9_.-]+(/[A-Za-z0-9_.-]+)*/?$")
    continue()
  endif()
  if(NOT ruta MATCHES "/" AND NOT ruta MATCHES "\\.(h|cpp|c|md|txt|cmake|sh|po)$")
    continue()
  endif()
  math(EXPR rutas "${rutas} + 1")
  if(NOT EXISTS "${RAIZ}/${ruta}")
    list(APPEND faltan "${ruta}")
  endif()
endforeach()

get_filename_component(nombre ${DOCUMENTO} NAME)
if(faltan)
  list(REMOVE_DUPLICATES faltan)
  string(REPLACE ";" "\n  " lista "${faltan}")
  message(FATAL_ERROR "${nombre} names paths that do not exist:\n  ${lista}")
endif()
if(rutas EQUAL 0)
  message(FATAL_ERROR "${nombre} names no path")
endif()
message(STATUS "${nombre}: ${rutas} paths named, all there")
