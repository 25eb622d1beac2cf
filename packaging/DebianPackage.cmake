# verdalon_debian_package(COMPONENT [SHARED_LIBRARY] PACKAGE NAME SECTION SECTION
#                         SUMMARY TEXT DESCRIPTION TEXT [DEPENDS COMPONENT...])
# makes the install component COMPONENT the Debian package NAME, with the
# copyright file and changelog every Debian package carries; a SHARED_LIBRARY
# package also has the linker's cache refreshed once it is installed. It depends on the
# packages of the components named after DEPENDS at exactly this version; its
# other dependencies are read from its binaries. Call it from the folder that
# includes CPack.
function(verdalon_debian_package component)
  cmake_parse_arguments(PARSE_ARGV 1 arg "SHARED_LIBRARY" "PACKAGE;SECTION;SUMMARY;DESCRIPTION" "DEPENDS")
  string(TOUPPER ${component} key)
  set(CPACK_DEBIAN_${key}_PACKAGE_NAME ${arg_PACKAGE} PARENT_SCOPE)
  set(CPACK_DEBIAN_${key}_PACKAGE_SECTION ${arg_SECTION} PARENT_SCOPE)
  set(CPACK_DEBIAN_${key}_DESCRIPTION "${arg_SUMMARY}\n${arg_DESCRIPTION}" PARENT_SCOPE)
  set(CPACK_COMPONENT_${key}_DEPENDS ${arg_DEPENDS} PARENT_SCOPE)
  if(arg_SHARED_LIBRARY)
    set(CPACK_DEBIAN_${key}_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/triggers PARENT_SCOPE)
  endif()
  set(CPACK_COMPONENTS_ALL ${CPACK_COMPONENTS_ALL} ${component} PARENT_SCOPE)

  set(PACKAGE_NAME ${arg_PACKAGE})
  set(docDir ${CMAKE_CURRENT_BINARY_DIR}/doc/${arg_PACKAGE})
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/changelog.Debian.in ${docDir}/changelog.Debian @ONLY)
  # Debian wants it compressed at the highest level, without a time stamp.
  execute_process(COMMAND gzip -9nf ${docDir}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/copyright ${docDir}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${arg_PACKAGE} COMPONENT ${component})
endfunction()
