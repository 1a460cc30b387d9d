# One Qt Test executable per subsystem folder, all registered with CTest the same way:
# headless (offscreen platform), a fresh HOME, and a timeout so a hang fails instead of blocking CI.
function(playhaven_add_test_folder folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  if(NOT sources)
    return()
  endif()
  set(target test_${folder})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE playhaven_lib playhaven_test_support Qt6::Test)
  add_test(NAME ${folder} COMMAND ${target})
  set_tests_properties(${folder} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${CMAKE_BINARY_DIR}/test-home;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-home")
endfunction()
