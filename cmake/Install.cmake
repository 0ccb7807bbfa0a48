# What `cmake --install` puts in place, by component (cmake/InstallLayout.cmake
# gives the folders; every destination lies below the prefix):
#   runtime  libzuvexa.so.N with its soname, and its error description files
#   dev      headers, the libzuvexa.so link, the CMake package, zuvexa.pc
#   tools    the zuvexa and zuvexa-iq commands and their manual pages
#   python   the zuvexa Python package
#   server   zuvexa-server and its manual page, when gRPC was found
#   doc      the HTML manual, when the build holds it (target docs)
#   sim      the stand-in platform components, the call-tracing stand-in and
#            the simulated analyzers' configuration (ZUVEXA_INSTALL_SIM), so
#            that simulated sessions work on a machine without the platform
include(CMakePackageConfigHelpers)

# ZUVEXA_PYTHON3: Debian's python3, found by cmake/AttributeRows.cmake.
execute_process(COMMAND ${ZUVEXA_PYTHON3} -c "import sys; print('%d.%d' % sys.version_info[:2])"
  OUTPUT_VARIABLE ZUVEXA_PYTHON_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE)

option(ZUVEXA_INSTALL_SIM "Install the stand-in platform components (simulation)" ON)

set_target_properties(zuvexa PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
  INSTALL_RPATH "${ZUVEXA_LIBRARY_RUNPATH}")
target_include_directories(zuvexa INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
add_library(zuvexa::zuvexa ALIAS zuvexa)
# The library finds its installed error description files from its own file.
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/zusysq/InstalledData.cpp TARGET_DIRECTORY zu_sysq APPEND
  PROPERTY COMPILE_DEFINITIONS ZUVEXA_DATA_FROM_LIBDIR="${ZUVEXA_DATA_FROM_LIBDIR}")

install(TARGETS zuvexa
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev)
install(FILES ${PROJECT_SOURCE_DIR}/include/zuVEXA.h ${PROJECT_SOURCE_DIR}/include/zuVEXAtypes.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)

# data/errors and data/mierrors, when the checkout has them.
foreach(tree errors mierrors)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/${tree}/ DESTINATION ${ZUVEXA_INSTALL_DATADIR}/${tree}
    COMPONENT runtime OPTIONAL)
endforeach()

# find_package(zuvexa): the imported target zuvexa::zuvexa, written by hand
# because the library's link to the platform's IVI engine is no business of
# its users (an exported target set would have to carry it).
set(ZUVEXA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/zuvexa)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zuvexaConfig.cmake.in
  ${PROJECT_BINARY_DIR}/zuvexaConfig.cmake INSTALL_DESTINATION ${ZUVEXA_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_LIBDIR CMAKE_INSTALL_INCLUDEDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zuvexaConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zuvexaConfig.cmake ${PROJECT_BINARY_DIR}/zuvexaConfigVersion.cmake
  DESTINATION ${ZUVEXA_CMAKE_DIR} COMPONENT dev)

# pkg-config --cflags --libs zuvexa: below /usr with the system's paths;
# elsewhere with paths from the file's own folder, so a prefix can move, and
# a RUNPATH to the library, so a program built with it alone runs.
set(ZUVEXA_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(ZUVEXA_PC_RUNPATH "")
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  file(RELATIVE_PATH prefix_from_pcdir ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
  string(REGEX REPLACE "/$" "" prefix_from_pcdir "${prefix_from_pcdir}")
  set(ZUVEXA_PC_PREFIX "\${pcfiledir}/${prefix_from_pcdir}")
  set(ZUVEXA_PC_RUNPATH "-Wl,-rpath,\${libdir} ")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/zuvexa.pc.in ${PROJECT_BINARY_DIR}/zuvexa.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zuvexa.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

install(TARGETS zuvexa-cli zuvexa-iq RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/man/zuvexa.1 ${PROJECT_SOURCE_DIR}/packaging/man/zuvexa-iq.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools)

if(TARGET zuvexa-server)
  set_target_properties(zuvexa-server PROPERTIES INSTALL_RPATH "${ZUVEXA_TOOL_RUNPATH}")
  install(TARGETS zuvexa-server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT server)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/man/zuvexa-server.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT server)
endif()

# The manual as docs/build-manual.sh left it, without Sphinx's build record;
# an install from a build without the manual skips it.
install(DIRECTORY ${PROJECT_BINARY_DIR}/docs/html/ DESTINATION ${ZUVEXA_INSTALL_MANUALDIR} COMPONENT doc OPTIONAL
  PATTERN .buildinfo EXCLUDE)

# Debian's python3 finds packages in lib/python3/dist-packages below /usr and
# in lib/python3.X/dist-packages below /usr/local.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(python_site lib/python3/dist-packages)
else()
  set(python_site lib/python${ZUVEXA_PYTHON_VERSION}/dist-packages)
endif()
set(ZUVEXA_INSTALL_PYTHONDIR ${python_site} CACHE STRING "Where the zuvexa Python package is installed")
include(${PROJECT_SOURCE_DIR}/cmake/PythonPackage.cmake)
if(ZUVEXA_PYTHON_PACKAGE_DIR)
  # The installed package loads the library of its own prefix, found from
  # its folder (python/zuvexa/_paths.py), wherever the prefix is.
  file(RELATIVE_PATH library_from_package ${CMAKE_INSTALL_PREFIX}/${ZUVEXA_INSTALL_PYTHONDIR}/zuvexa
       ${CMAKE_INSTALL_FULL_LIBDIR})
  string(REGEX REPLACE "/$" "" library_from_package "${library_from_package}")
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/python-install/_paths.py CONTENT [=[
"""Where the package looks for libzuvexa before the loader's own search: its
install's library folder, relative to the package's folder (written by the
library's build)."""
from typing import Tuple

LIBRARY_FOLDERS: Tuple[str, ...] = ("@library_from_package@",)
]=] @ONLY)
  install(DIRECTORY ${ZUVEXA_PYTHON_PACKAGE_DIR} DESTINATION ${ZUVEXA_INSTALL_PYTHONDIR} COMPONENT python
    PATTERN __pycache__ EXCLUDE PATTERN _paths.py EXCLUDE)
  install(FILES ${PROJECT_BINARY_DIR}/python-install/_paths.py DESTINATION ${ZUVEXA_INSTALL_PYTHONDIR}/zuvexa
    COMPONENT python)
endif()

# The stand-ins sit in the library's module folder, not in the public library
# folder: libzuvexa finds them through its RUNPATH, they find each other
# through theirs.
if(ZUVEXA_INSTALL_SIM)
  set(zu_sim_targets ivi zuvexa_backend_sim zusysapi zupeeklog
      zuvexa_module_ka zuvexa_module_lem zuvexa_module_vey zuvexa_module_tov zuvexa_module_pil)
  set_target_properties(${zu_sim_targets} PROPERTIES INSTALL_RPATH "${ZUVEXA_MODULE_RUNPATH}")
  # The modules call only the simulated backend; they name the C library
  # all the same, as a distribution wants of every shared library.
  foreach(kind ka lem vey tov pil)
    target_link_options(zuvexa_module_${kind} PRIVATE -Wl,--no-as-needed)
  endforeach()
  install(TARGETS ${zu_sim_targets} LIBRARY DESTINATION ${ZUVEXA_INSTALL_MODULEDIR} COMPONENT sim NAMELINK_SKIP)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/demo/sysapi.conf DESTINATION ${CMAKE_INSTALL_DATADIR}/zuvexa-sim
    COMPONENT sim)
endif()
