# Makes the Debian packages of a build folder, checks them with lintian
# (errors fail), unpacks them into one root and uses them from there: verda on
# the sample file with the unpacked libraries, the consumer program against
# the unpacked development package, each manual page rendered without a
# warning, and the Python module imported by PYTHON (when it was built) to
# read the sample. Run with -D BUILD_DIR, WORK_DIR, SANITIZED, WITH_APP,
# PYTHON and what ConsumerBuild.cmake names.
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/ConsumerBuild.cmake)

# A sanitized build's binaries need the sanitizer's runtime and environment:
# the packages are made from the normal build.
if(SANITIZED)
  message(STATUS "skipped: packages are made and checked in the normal build only")
  return()
endif()
foreach(tool dpkg-deb lintian man)
  find_program(tool_${tool} ${tool})
  if(NOT tool_${tool})
    message(STATUS "skipped: ${tool} is missing")
    return()
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
run(cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/packages)
file(GLOB packages ${WORK_DIR}/packages/*.deb)
run(lintian --fail-on error --tag-display-limit 0 ${packages})
message(STATUS "lintian:\n${output}")

# Each package with a file that must be in it; its name, size and dependencies.
set(root ${WORK_DIR}/root)
set(expected
  liblintarra1 usr/lib/libLintarra.so.1
  libtalvinet1 usr/lib/libTalvinet.so.1
  libmorvane1 usr/lib/libMorvane.so.1
  libverdalon-dev usr/lib/pkgconfig/talvinet.pc
  verda usr/share/man/man1/verda.1.gz
  verda usr/share/man/man1/verda-sim.1.gz
  verda usr/share/bash-completion/completions/verda)
if(WITH_APP)
  list(APPEND expected
    verdalon usr/share/man/man1/verdalon.1.gz
    verdalon usr/share/applications/org.verdalon.Verdalon.desktop
    verdalon usr/share/icons/hicolor/scalable/apps/org.verdalon.Verdalon.svg
    verdalon usr/share/metainfo/org.verdalon.Verdalon.metainfo.xml)
endif()
if(PYTHON)
  list(APPEND expected python3-morvane usr/lib/python3/dist-packages/morvane/__init__.pyi)
endif()
foreach(package IN LISTS packages)
  run(dpkg-deb -f ${package} Package Depends)
  string(REGEX MATCH "Package: ([^\n]*)" name "${output}")
  set(name ${CMAKE_MATCH_1})
  file(SIZE ${package} size)
  message(STATUS "${name}, ${size} bytes\n${output}")
  run(dpkg-deb -c ${package})
  set(listing_${name} "${output}")
  run(dpkg-deb -x ${package} ${root})
endforeach()
while(expected)
  list(POP_FRONT expected owner file)
  if(NOT listing_${owner} MATCHES " \\./${file}[\n ]")
    message(FATAL_ERROR "no package ${owner} with /${file}:\n${listing_${owner}}")
  endif()
endwhile()

set(verda ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${root}/usr/lib ${root}/usr/bin/verda)
set(sample ${root}/usr/share/doc/verda/examples/demo.vqb)
run(${verda} list ${sample})
message(STATUS "verda list:\n${output}")
run(${verda} translate ${sample} ${WORK_DIR}/demo.csv)
file(READ ${WORK_DIR}/demo.csv csv LIMIT 200)
if(NOT csv MATCHES "^=+[^\n]*\nOutput of Normal 1")
  message(FATAL_ERROR "verda translate wrote:\n${csv}")
endif()
verdalon_build_consumer(${root}/usr ${WORK_DIR}/consumer)
if(PYTHON)
  run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${root}/usr/lib PYTHONPATH=${root}/usr/lib/python3/dist-packages
    ${PYTHON} -c "import morvane, sys\nprint(morvane.open(sys.argv[1]).records[0])" ${sample})
  if(NOT output MATCHES "Normal")
    message(FATAL_ERROR "the packaged morvane module read:\n${output}")
  endif()
endif()

file(GLOB pages ${root}/usr/share/man/man1/*.1.gz)
foreach(page IN LISTS pages)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
    man --warnings -E UTF-8 -l -Tutf8 -Z ${page} OUTPUT_QUIET ERROR_VARIABLE warnings RESULT_VARIABLE status)
  if(warnings OR NOT status EQUAL 0)
    message(FATAL_ERROR "man -l ${page} (${status}):\n${warnings}")
  endif()
endforeach()
# Each command that verda lists has its section in verda(1).
run(${verda} --help)
string(REGEX MATCHALL "\n  [a-z]+" commands "${output}")
run(${CMAKE_COMMAND} -E env MANWIDTH=200 man -l ${root}/usr/share/man/man1/verda.1.gz)
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  if(NOT output MATCHES "\n       verda ${command}[ \n]")
    message(FATAL_ERROR "verda(1) lacks the command ${command}")
  endif()
endforeach()
