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

# orvane_include_root(folder out_var): a folder of the build tree that holds
# one link, <folder> -> the source folder of that name, and nothing else. A
# library's public include path is its own root, so "core/X.h" resolves for
# orvane_core and for whatever links it, while a header of a layer the
# library does not link ("ui/X.h" from graphics/) is not found at all: the
# layer rules are enforced by the build.
function(orvane_include_root folder out_var)
  set(root "${PROJECT_BINARY_DIR}/include-roots/${folder}")
  if(NOT EXISTS "${root}/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  endif()
  set(${out_var} "${root}" PARENT_SCOPE)
endfunction()

# orvane_add_library(name) builds every .cpp of the calling folder into one
# static library whose public include path is that folder's root (above).
# Sources are globbed so that adding a module needs no edit here. The
# libraries it uses are linked by the caller: PUBLIC for those its headers
# include, PRIVATE for the rest.
function(orvane_add_library name)
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${name} STATIC ${sources} ${headers})
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  orvane_include_root(${folder} root)
  target_include_directories(${name} PUBLIC "${root}")
  orvane_warnings(${name})
  orvane_strict_float(${name})
endfunction()

# orvane_add_test(name SOURCES ... LIBS ... [GTEST [OWN_MAIN]] [QTEST])
# GTEST: links gtest_main unless the sources define main themselves
# (OWN_MAIN). A test sees the headers of tests/ and of the libraries it
# links. Every test runs headless.
function(orvane_add_test name)
  cmake_parse_arguments(T "GTEST;QTEST;OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  orvane_warnings(${name})
  orvane_strict_float(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  orvane_include_root(tests tests_root)
  target_include_directories(${name} PRIVATE "${tests_root}")
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
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
endfunction()
