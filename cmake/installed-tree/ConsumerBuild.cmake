# What the tests of an installed Verdalon tree share: run() fails the test with
# a command's output, and verdalon_build_consumer() builds and runs the
# consumer program against the libraries under a prefix, once through
# find_package and once through pkg-config. The including script is run with
# -D SOURCE_DIR (this folder), GENERATOR, MAKE_PROGRAM, CXX_COMPILER and
# CXX_FLAGS (a list).
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

function(verdalon_build_consumer prefix workDir)
  list(JOIN CXX_FLAGS " " flags)
  run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${workDir}/cmake -G ${GENERATOR} -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}
      -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${flags}" -DCMAKE_PREFIX_PATH=${prefix})
  run(${CMAKE_COMMAND} --build ${workDir}/cmake)
  run(${workDir}/cmake/consumer)
  message(STATUS "find_package: ${output}")

  file(GLOB_RECURSE pcFiles ${prefix}/talvinet.pc)
  get_filename_component(pcDir "${pcFiles}" DIRECTORY)
  set(pkgConfig ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pcDir} pkg-config)
  run(${pkgConfig} --cflags --libs talvinet morvane)
  separate_arguments(pcFlags UNIX_COMMAND "${output}")
  run(${pkgConfig} --variable=libdir talvinet)
  string(STRIP "${output}" libDir)
  run(${CXX_COMPILER} ${CXX_FLAGS} -std=c++20 ${SOURCE_DIR}/consumer.cpp ${pcFlags} -o ${workDir}/consumer-pc)
  run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libDir} ${workDir}/consumer-pc)
  message(STATUS "pkg-config: ${output}")
endfunction()
