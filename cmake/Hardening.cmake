# Builds made for finding faults, not for shipping.
#   ONDULIX_SANITIZE  every target with AddressSanitizer and UndefinedBehaviorSanitizer
#   ONDULIX_FUZZ      the libFuzzer targets of tests/fuzz, on the same libraries (clang)
# `make test` makes both in one build folder with clang, so the tests and the fuzz targets share
# the sanitized libraries; the Makefile's `sanitize-test` and `fuzz` run them.
option(ONDULIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ONDULIX_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(NOT (ONDULIX_SANITIZE OR ONDULIX_FUZZ))
    return()
endif()

# A report stops the program with a failing status instead of printing and going on, so a test
# or a fuzz run that meets one fails.
set(ondulix_sanitizers address,undefined)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC keeps these out of "undefined" (clang's has them). A double beyond the range of the
    # integer it is cast to is the very fault the number reader and paging guard against.
    string(APPEND ondulix_sanitizers ",float-cast-overflow")
endif()
add_compile_options(-fsanitize=${ondulix_sanitizers} -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_link_options(-fsanitize=${ondulix_sanitizers})
# The standard library's own checks: an index past the end of a string or vector that stays
# inside its allocation is no address error, but it is still a fault.
add_compile_definitions(_GLIBCXX_ASSERTIONS)
# Line tables are all a report needs to name the file and line; full debug information would
# cost a quarter of the compile time.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(-gline-tables-only)
endif()

if(ONDULIX_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang with libFuzzer: -DCMAKE_CXX_COMPILER=clang++")
endif()

# Coverage feedback for the fuzzer in the libraries that read outside bytes, optimized as the
# fuzz build of old, so that each target runs thousands of inputs a second; only the targets
# link its main(). The sanitizers' runtime answers the coverage calls in every other program.
function(ondulix_instrument_for_fuzzing)
    foreach(library IN LISTS ARGN)
        target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link -O2)
    endforeach()
endfunction()

# How every test of a sanitizer build runs, and the programs it starts (quenfer, the program
# under Xvfb) with it: leaks count, and a report ends the program with status 66, which no test
# expects of a program, so a report can never pass for an ordinary refusal (quenfer's 1).
# strict_string_checks stays off: with it, libxkbcommon's strndup() of a name that is not
# NUL-terminated, which strndup allows, is reported as an overflow when Qt connects to X.
set(ONDULIX_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:exitcode=66"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=66"
    "LSAN_OPTIONS=exitcode=66")

# Gives every test of the calling folder that environment; run it deferred, at the folder's end,
# so that tests added anywhere in the folder get it too.
function(ondulix_sanitize_tests_of_this_folder)
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${ONDULIX_SANITIZER_ENVIRONMENT})
    endforeach()
endfunction()
