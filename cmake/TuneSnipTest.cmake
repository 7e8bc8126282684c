# tunesnip_add_test(<folder> <unit> [GUI] [LIBS <lib>...] [TIMEOUT <s>])
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
# Builds tests/<folder>/<unit>_test.cpp into <unit>_test and registers it with CTest.
# GUI tests get a QApplication and the window library; the others a QGuiApplication and every
# library below the windows.
add_library(tunesnip_test_main_core STATIC ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
target_link_libraries(tunesnip_test_main_core PUBLIC ts_editor GTest::gtest Qt6::Gui)
target_include_directories(tunesnip_test_main_core PUBLIC ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(tunesnip_test_main_core PUBLIC
  TS_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  TS_BINARY_DIR="${PROJECT_BINARY_DIR}"
  TS_APP_DIR="${TUNESNIP_APP_DIR}")

add_library(tunesnip_test_main_gui STATIC ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
target_link_libraries(tunesnip_test_main_gui PUBLIC ts_app GTest::gtest Qt6::Widgets)
target_include_directories(tunesnip_test_main_gui PUBLIC ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(tunesnip_test_main_gui PUBLIC TS_GUI_TEST=1
  TS_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  TS_BINARY_DIR="${PROJECT_BINARY_DIR}"
  TS_APP_DIR="${TUNESNIP_APP_DIR}")

function(tunesnip_add_test folder unit)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "LIBS;SOURCES" ${ARGN})
  set(name ${unit}_test)
  add_executable(${name} ${PROJECT_SOURCE_DIR}/tests/${folder}/${unit}_test.cpp ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE tunesnip_test_main_gui ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE tunesnip_test_main_core ${T_LIBS})
  endif()
  add_test(NAME ${folder}/${unit} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${folder}/${unit} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0")
endfunction()
