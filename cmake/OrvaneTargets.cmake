# Shared target settings: warnings per target, the werror switch, and the
# test helper every test folder uses.

function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(ORVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Results of the wave engine must not depend on the optimiser or the CPU:
# no fused multiply-add contraction, no fast-math.
function(orvane_strict_float target)
  target_compile_options(${target} PRIVATE -ffp-contract=off -fno-fast-math)
endfunction()

# orvane_add_library(name folder [QT]) builds every .cpp of the folder into one
# static library. Sources are globbed so that adding a module needs no edit here.
function(orvane_add_library name)
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
  orvane_warnings(${name})
  orvane_strict_float(${name})
endfunction()

# orvane_add_test(name SOURCES ... LIBS ... [GTEST] [QTEST])
# GTEST: links gtest_main unless the sources define main themselves (MAIN).
# Every test runs headless.
function(orvane_add_test name)
  cmake_parse_arguments(T "GTEST;QTEST;OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  orvane_warnings(${name})
  orvane_strict_float(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  if(T_GTEST)
    find_package(GTest REQUIRED)
    if(T_OWN_MAIN)
      target_link_libraries(${name} PRIVATE GTest::gtest)
    else()
      target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    endif()
  endif()
  if(T_QTEST)
    target_link_libraries(${name} PRIVATE Qt6::Test)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVANE_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
endfunction()
