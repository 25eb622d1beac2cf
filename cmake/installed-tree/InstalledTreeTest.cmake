# Installs the libraries into a fresh prefix, then builds and runs the
# consumer against it: once through find_package, once through pkg-config.
# Run with -D BUILD_DIR, SOURCE_DIR, WORK_DIR, GENERATOR, MAKE_PROGRAM,
# CXX_COMPILER and CXX_FLAGS (a list).
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component libraries)

list(JOIN CXX_FLAGS " " flags)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/cmake -G ${GENERATOR} -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${flags}" -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake)
run(${WORK_DIR}/cmake/consumer)
message(STATUS "find_package: ${output}")

file(GLOB_RECURSE pcFiles ${prefix}/talvinet.pc)
get_filename_component(pcDir "${pcFiles}" DIRECTORY)
set(pkgConfig ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pcDir} pkg-config)
run(${pkgConfig} --cflags --libs talvinet morvane)
separate_arguments(pcFlags UNIX_COMMAND "${output}")
run(${pkgConfig} --variable=libdir talvinet)
string(STRIP "${output}" libDir)
run(${CXX_COMPILER} ${CXX_FLAGS} -std=c++20 ${SOURCE_DIR}/consumer.cpp ${pcFlags} -o ${WORK_DIR}/consumer-pc)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libDir} ${WORK_DIR}/consumer-pc)
message(STATUS "pkg-config: ${output}")
