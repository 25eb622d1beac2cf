# Installs the libraries into a fresh prefix, then builds and runs the
# consumer against it: once through find_package, once through pkg-config.
# Run with -D BUILD_DIR, WORK_DIR and what ConsumerBuild.cmake names.
include(${CMAKE_CURRENT_LIST_DIR}/ConsumerBuild.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
foreach(component IN ITEMS lintarra talvinet morvane development)
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component ${component})
endforeach()
verdalon_build_consumer(${prefix} ${WORK_DIR})
