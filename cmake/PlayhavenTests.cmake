# SPDX-License-Identifier: GPL-3.0-or-later
# One Qt Test executable per subsystem folder, linked to the one layer it tests, and one for the
# Qt-free rules of every folder (tst_*_rules.cpp), which runs without a QApplication. Each is
# registered with CTest the same way: headless (offscreen platform), a fresh HOME, and a timeout
# so a hang fails instead of blocking CI.
#
# A crashing test ends at once with its stack (tests/support/TestMain.cpp), Qt Test's debugger
# stack dump being switched off; a test function that hangs fails after 50 s, and the whole
# executable after 90 s (the slowest takes about 5 s).
function(playhaven_register_test name target)
  # Exported symbols, so that a crash's stack names the test's own functions.
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  add_test(NAME ${name} COMMAND ${target})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 90
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${CMAKE_BINARY_DIR}/test-home;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-home;QTEST_DISABLE_STACK_DUMP=1;QTEST_FUNCTION_TIMEOUT=50000")
endfunction()

function(playhaven_add_test_folder folder library)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  list(FILTER sources EXCLUDE REGEX "/tst_[a-z_]*rules\\.cpp$")
  if(NOT sources)
    return()
  endif()
  set(target test_${folder})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${library} playhaven_test_support Qt6::Test)
  playhaven_register_test(${folder} ${target})
endfunction()

function(playhaven_add_rule_tests)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/tst_*rules.cpp)
  add_executable(test_rules ${sources} support/TestMain.cpp support/TestMain.h)
  target_compile_definitions(test_rules PRIVATE PLAYHAVEN_TEST_WITHOUT_APPLICATION)
  target_include_directories(test_rules PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_rules PRIVATE playhaven_rules Qt6::Test)
  playhaven_register_test(rules test_rules)
endfunction()
