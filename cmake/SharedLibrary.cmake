# One of the project's shared libraries: its chief headers under include/HEADER_DIR,
# private sources under src/, versioned, warned and installed alike.
function(verdalon_shared_library target header_dir)
  add_library(${target} SHARED ${ARGN})
  target_include_directories(${target}
    PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    PRIVATE src)
  set_target_properties(${target} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION 1)
  verdalon_warnings(${target})
  # Calls inside the library go straight to its own functions (and may be
  # inlined) instead of through the symbol table: nothing interposes them.
  target_compile_options(${target} PRIVATE -fno-semantic-interposition)
  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(DIRECTORY include/${header_dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endfunction()
