# One of the project's shared libraries: its chief headers under include/HEADER_DIR,
# private sources under src/, versioned, warned and installed alike, with the
# package files through which other projects find it. The library itself is
# the install component of its lowercase name (one runtime package each); its
# headers, link name and package files are the component "development".
include(CMakePackageConfigHelpers)

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
  string(TOLOWER ${target} runtimeComponent)
  install(TARGETS ${target} EXPORT ${target}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${runtimeComponent} NAMELINK_COMPONENT development)
  install(DIRECTORY include/${header_dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
  # The libraries it links are known only once its folder has been read; a
  # deferred call would see its arguments only then, so the name goes in now.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL verdalon_install_package ${target})")
endfunction()

# find_package(TARGET) with the imported target TARGET::TARGET, and the
# pkg-config file of the lowercase name; both require the project's other
# libraries that TARGET links publicly.
function(verdalon_install_package target)
  get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
  set(dependencies "")
  set(requires "")
  foreach(link IN LISTS links)
    if(TARGET ${link})
      get_target_property(kind ${link} TYPE)
      if(kind STREQUAL "SHARED_LIBRARY")
        string(APPEND dependencies "find_dependency(${link} ${PROJECT_VERSION})\n")
        string(TOLOWER ${link} name)
        list(APPEND requires ${name})
      endif()
    endif()
  endforeach()
  list(JOIN requires " " requires)

  set(packageDir ${CMAKE_INSTALL_LIBDIR}/cmake/${target})
  install(EXPORT ${target}Targets NAMESPACE ${target}:: DESTINATION ${packageDir} COMPONENT development)
  set(LIBRARY_NAME ${target})
  set(LIBRARY_DEPENDENCIES "${dependencies}")
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PackageConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake INSTALL_DESTINATION ${packageDir})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake ${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
    DESTINATION ${packageDir} COMPONENT development)

  # Relative to the .pc file, so the tree may be installed under any prefix.
  file(RELATIVE_PATH LIBRARY_PREFIX_FROM_PC "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" LIBRARY_PREFIX_FROM_PC "${LIBRARY_PREFIX_FROM_PC}")
  string(TOLOWER ${target} pcName)
  set(LIBRARY_REQUIRES "${requires}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/Package.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pcName}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pcName}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    COMPONENT development)
endfunction()
