# A fuzz target whose stored hostile inputs (the corpus/ folder beside its
# CMakeLists.txt) replay as an ordinary test through FuzzReplayMain.cpp.
# Built with clang and VERDALON_LIBFUZZER (scripts/fuzz.sh), the same target
# explores new inputs under libFuzzer instead, and every other target is
# built with the coverage libFuzzer follows.
option(VERDALON_LIBFUZZER "Build the fuzz targets for libFuzzer (clang only)" OFF)
if(VERDALON_LIBFUZZER)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(verdalon_fuzz_target target)
  add_executable(${target} ${ARGN} ${PROJECT_SOURCE_DIR}/cmake/FuzzReplayMain.cpp)
  verdalon_warnings(${target})
  if(VERDALON_LIBFUZZER)
    target_compile_definitions(${target} PRIVATE VERDALON_LIBFUZZER)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  else()
    add_test(NAME ${target}_corpus COMMAND ${target} ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
  endif()
endfunction()
