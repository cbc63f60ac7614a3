# The declaration document does not depend on the page view: no source of the document's room (src/documento)
# includes a header of the page view or names its class, directly or through the framework headers it includes.
# The document reaches the page shown through CPaginaActiva (PaginaActiva.h), which the page view implements.
# cmake -DMARCO=<the framework folder> -P DocumentoSinVista.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED MARCO)
  message(FATAL_ERROR "MARCO not given")
endif()

# The page view's headers (its window and its rules).
set(prohibidas Prog32View.h Prog32ViewReglas.h)

# The framework headers a file includes (their names under include/framework/).
function(incluidas fichero salida)
  file(STRINGS ${fichero} lineas REGEX "^[ \t]*#[ \t]*include[ \t]*\"(framework/)?[^\"/]+\"")
  set(nombres)
  foreach(linea IN LISTS lineas)
    string(REGEX REPLACE "^[^\"]*\"(framework/)?([^\"]+)\".*" "\\2" nombre "${linea}")
    list(APPEND nombres ${nombre})
  endforeach()
  set(${salida} ${nombres} PARENT_SCOPE)
endfunction()

# Whether a file names the page view's class outside comments.
function(nombra_vista fichero salida)
  file(STRINGS ${fichero} lineas)
  set(nombra FALSE)
  foreach(linea IN LISTS lineas)
    string(REGEX REPLACE "//.*$" "" codigo "${linea}")
    if(codigo MATCHES "(^|[^A-Za-z0-9_])CProg32View([^A-Za-z0-9_]|$)")
      set(nombra TRUE)
    endif()
  endforeach()
  set(${salida} ${nombra} PARENT_SCOPE)
endfunction()

file(GLOB fuentes ${MARCO}/src/documento/*.cpp ${MARCO}/src/documento/*.h)
if(NOT fuentes)
  message(FATAL_ERROR "no sources under ${MARCO}/src/documento")
endif()

set(fallos 0)
foreach(fuente IN LISTS fuentes)
  get_filename_component(nombre_fuente ${fuente} NAME)
  # Every framework header the source reaches, each with the file that first included it.
  set(pendientes ${fuente})
  set(vistos)
  set(ficheros)
  while(pendientes)
    list(POP_FRONT pendientes actual)
    list(APPEND ficheros ${actual})
    get_filename_component(nombre_actual ${actual} NAME)
    incluidas(${actual} nombres)
    foreach(nombre IN LISTS nombres)
      if(nombre IN_LIST prohibidas)
        message(SEND_ERROR "src/documento/${nombre_fuente} reaches the page view's header ${nombre} (included by "
                           "${nombre_actual})")
        math(EXPR fallos "${fallos} + 1")
      endif()
      set(cabecera ${MARCO}/include/framework/${nombre})
      if(EXISTS ${cabecera} AND NOT nombre IN_LIST vistos)
        list(APPEND vistos ${nombre})
        list(APPEND pendientes ${cabecera})
      endif()
    endforeach()
  endwhile()
  foreach(fichero IN LISTS ficheros)
    nombra_vista(${fichero} nombra)
    if(nombra)
      get_filename_component(nombre_fichero ${fichero} NAME)
      message(SEND_ERROR "src/documento/${nombre_fuente} reaches ${nombre_fichero}, which names CProg32View")
      math(EXPR fallos "${fallos} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH fuentes cuantas)
if(fallos GREATER 0)
  message(FATAL_ERROR "${fallos} dependencies of the document on the page view")
endif()
message(STATUS "${cuantas} sources of the document's room, none reaching the page view")
