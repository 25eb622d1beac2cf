# Warnings for the project's own targets (not for generated Qt sources).
function(verdalon_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
endfunction()
