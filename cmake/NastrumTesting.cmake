# Helpers for registering GoogleTest executables with CTest.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
include(GoogleTest)

set(NASTRUM_TEST_ENV
  "QT_QPA_PLATFORM=offscreen"
  "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
  "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# nastrum_add_test(NAME SOURCES a.cpp b.cpp LIBS lib... LABEL unit|integration|widget)
function(nastrum_add_test name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main Qt6::Test)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE NASTRUM_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  # The environment goes in through `cmake -E env`: a list given as the
  # ENVIRONMENT property would lose all but its first entry on discovery.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${NASTRUM_TEST_ENV})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${T_LABEL})
endfunction()
