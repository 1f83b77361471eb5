# qorvane_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One GoogleTest executable per call, its cases registered with CTest one by one.
# GUI tests bring their own main() (tests/gui_main.cpp of app/) that makes the
# QApplication; the others link gtest_main.
function(qorvane_add_test name)
  if(NOT QORVANE_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_GUI)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE qorvane_gui_test_main Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    QORVANE_BINARY_DIR="${PROJECT_BINARY_DIR}/bin"
    QORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
