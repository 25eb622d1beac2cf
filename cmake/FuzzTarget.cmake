# A fuzz target whose stored hostile inputs (the corpus/ folder beside its
# CMakeLists.txt) replay as an ordinary test through FuzzReplayMain.cpp.
# Built with clang, -fsanitize=fuzzer and -DVERDALON_LIBFUZZER, the same
# target explores new inputs.
function(verdalon_fuzz_target target)
  add_executable(${target} ${ARGN} ${PROJECT_SOURCE_DIR}/cmake/FuzzReplayMain.cpp)
  verdalon_warnings(${target})
  add_test(NAME ${target}_corpus COMMAND ${target} ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
endfunction()
