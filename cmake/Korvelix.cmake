# Helpers shared by every folder of the project.

find_package(PkgConfig REQUIRED)

# wxWidgets 3.2 (GTK 3): one imported target for the folders that open windows.
if(NOT TARGET korvelix::wx)
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base adv)
  add_library(korvelix_wx INTERFACE)
  target_include_directories(korvelix_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
  target_compile_definitions(korvelix_wx INTERFACE ${wxWidgets_DEFINITIONS})
  target_compile_options(korvelix_wx INTERFACE ${wxWidgets_CXX_FLAGS})
  target_link_libraries(korvelix_wx INTERFACE ${wxWidgets_LIBRARIES})
  add_library(korvelix::wx ALIAS korvelix_wx)
endif()

# korvelix_pch_wx(target): precompiled wxWidgets headers for a window-heavy target.
function(korvelix_pch_wx target)
  target_precompile_headers(${target} PRIVATE <wx/wx.h>)
endfunction()

# korvelix_optimizacion_pruebas(target): a test binary's own sources are built for a quick build, not for speed
# (-Og: optimisations that keep it debuggable): a test source is mostly GoogleTest's macros, which cost at -O2 about
# half again what they cost here, while the code under test comes from the libraries, built as the program is.
function(korvelix_optimizacion_pruebas target)
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Og>)
endfunction()

# The pool of virtual displays of this build's window tests (cmake/ConPantalla.sh).
set(KORVELIX_PANTALLAS ${CMAKE_BINARY_DIR}/pantallas)

# korvelix_tests(name SOURCES ... LIBS ... [LABELS ...]): one GoogleTest binary for a folder, registered with ctest
# twice: each test alone (its own process, as gtest_discover_tests finds them) and the whole binary in one process
# (test `<name>.Entero`), so that a test that passes alone but not after the others (state left behind, a window
# outliving its document) fails too. Every test process runs in a setting of its own (cmake/Aislado.sh: a private
# temporary folder, the sanitizer options), so that the whole binary and its tests one by one never meet.
function(korvelix_tests name)
  cmake_parse_arguments(KT "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT KORVELIX_TESTS)
    return()
  endif()
  add_executable(${name} ${KT_SOURCES})
  target_link_libraries(${name} PRIVATE ${KT_LIBS} GTest::gtest GTest::gmock)
  korvelix_optimizacion_pruebas(${name})
  set(entorno)
  if(NOT KT_LIBS MATCHES "korvelix_pruebas_wx")
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    set(lanzador ${PROJECT_SOURCE_DIR}/cmake/Aislado.sh)
  else()
    # Window tests: every test process gets a virtual display that no other running test shares, so tests running
    # side by side never share the screen, the keyboard focus or the clipboard. The displays come from the build's
    # pool (cmake/ConPantalla.sh): one server per test running at a time, not one per test.
    set(lanzador ${PROJECT_SOURCE_DIR}/cmake/ConPantalla.sh)
    set(entorno "KORVELIX_PANTALLAS=${KORVELIX_PANTALLAS}")
  endif()
  # The launcher runs the listing of the tests at build time too.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${lanzador})
  set(props)
  if(KT_LABELS)
    list(APPEND props LABELS "${KT_LABELS}")
  endif()
  if(entorno)
    list(APPEND props ENVIRONMENT "${entorno}")
  endif()
  if(props)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
  add_test(NAME ${name}.Entero COMMAND ${lanzador} $<TARGET_FILE:${name}>)
  # The longest test of the folder: started first, and given the time of the whole binary.
  set_tests_properties(${name}.Entero PROPERTIES LABELS "entero;${KT_LABELS}" COST 10000 TIMEOUT 3600)
  if(entorno)
    set_tests_properties(${name}.Entero PROPERTIES ENVIRONMENT "${entorno}")
  endif()
endfunction()
