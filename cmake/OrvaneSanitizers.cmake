# ORVANE_SANITIZE: the whole build (libraries, programs, tests, the GUI)
# with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer. Any
# report ends the program (-fno-sanitize-recover), so a test that triggers
# one fails. scripts/test.sh runs the suite this way in build-sanitize/,
# with the leak suppressions of tests/sanitizers/lsan.supp.
option(ORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer (leak checks included)" OFF)
if(ORVANE_SANITIZE)
  if(ORVANE_FUZZ)
    message(FATAL_ERROR "ORVANE_FUZZ already builds with the sanitizers: leave ORVANE_SANITIZE off")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC's own documentation warns that -fsanitize=address makes this
    # warning report variables that are always set; build/ checks it.
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
  add_link_options(-fsanitize=address,undefined)
endif()
