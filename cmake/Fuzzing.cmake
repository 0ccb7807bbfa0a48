# libFuzzer build of the parsers (tests/fuzz). Configure a tree of its own
# with clang:
#
#   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DZUVEXA_FUZZ=ON
#
# Every object is compiled with coverage instrumentation, AddressSanitizer
# and UndefinedBehaviorSanitizer; the fuzz programs link the libFuzzer
# driver. Such a tree builds the fuzz programs and what they link only
# (scripts/fuzz.sh drives it).
option(ZUVEXA_FUZZ "Build the libFuzzer targets of tests/fuzz (clang only)" OFF)

if(ZUVEXA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZUVEXA_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  if(NOT ZUVEXA_SANITIZE STREQUAL "")
    message(FATAL_ERROR "ZUVEXA_FUZZ brings its own sanitizers; leave ZUVEXA_SANITIZE empty")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -O1 -g1)
  add_link_options(-fsanitize=address,undefined)
endif()
