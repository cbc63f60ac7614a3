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

# korvelix_tests(name SOURCES ... LIBS ... [LABELS ...]): one GoogleTest binary for a folder, registered with ctest.
function(korvelix_tests name)
  cmake_parse_arguments(KT "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT KORVELIX_TESTS)
    return()
  endif()
  add_executable(${name} ${KT_SOURCES})
  target_link_libraries(${name} PRIVATE ${KT_LIBS} GTest::gtest GTest::gmock)
  if(NOT KT_LIBS MATCHES "korvelix_pruebas_wx")
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  else()
    # Window tests: every test process gets a private virtual display, so tests running side by side never
    # share the screen, the keyboard focus or the clipboard.
    set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/ConPantalla.sh)
  endif()
  set(props)
  if(KT_LABELS)
    set(props PROPERTIES LABELS "${KT_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 ${props})
endfunction()
