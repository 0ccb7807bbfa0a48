# What `cmake --install` puts in place, by component:
#   runtime  libzuvexa.so.N with its soname, and the error description files
#   dev      headers, the libzuvexa.so link, the CMake package, zuvexa.pc
#   tools    the zuvexa command
#   python   the zuvexa Python package
#   sim      the stand-in platform components (ZUVEXA_INSTALL_SIM), so that
#            simulated sessions work on a machine without the platform
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Debian's python3, not one that a version manager put first on PATH.
find_program(ZUVEXA_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(ZUVEXA_PYTHON3 python3)
execute_process(COMMAND ${ZUVEXA_PYTHON3} -c "import sys; print('%d.%d' % sys.version_info[:2])"
  OUTPUT_VARIABLE ZUVEXA_PYTHON_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE)

option(ZUVEXA_INSTALL_SIM "Install the stand-in platform components (simulation)" ON)
# The library looks for error description files below this directory when
# /etc/kelmar/share/share.dir does not name another one.
set(ZUVEXA_SHARED_DIR "/usr/local/kelmar/share" CACHE PATH "Shared directory of the error description files")

set_target_properties(zuvexa PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
target_include_directories(zuvexa INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
add_library(zuvexa::zuvexa ALIAS zuvexa)

install(TARGETS zuvexa
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev)
install(FILES ${PROJECT_SOURCE_DIR}/include/zuVEXA.h ${PROJECT_SOURCE_DIR}/include/zuVEXAtypes.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)

# data/errors and data/mierrors, when the checkout has them.
foreach(tree errors mierrors)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/${tree}/ DESTINATION ${ZUVEXA_SHARED_DIR}/${tree} COMPONENT runtime
    OPTIONAL)
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

# pkg-config --cflags --libs zuvexa
configure_file(${PROJECT_SOURCE_DIR}/cmake/zuvexa.pc.in ${PROJECT_BINARY_DIR}/zuvexa.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zuvexa.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

install(TARGETS zuvexa-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)

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
  install(DIRECTORY ${ZUVEXA_PYTHON_PACKAGE_DIR} DESTINATION ${ZUVEXA_INSTALL_PYTHONDIR} COMPONENT python
    PATTERN __pycache__ EXCLUDE)
endif()

if(ZUVEXA_INSTALL_SIM)
  install(TARGETS ivi zuvexa_backend_sim zusysapi
      zuvexa_module_ka zuvexa_module_lem zuvexa_module_vey zuvexa_module_tov zuvexa_module_pil
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT sim NAMELINK_SKIP)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/demo/sysapi.conf DESTINATION ${CMAKE_INSTALL_DATADIR}/zuvexa-sim COMPONENT sim)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/zuvexa-sim.sh.in ${PROJECT_BINARY_DIR}/zuvexa-sim.sh @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/zuvexa-sim.sh DESTINATION ${CMAKE_INSTALL_FULL_SYSCONFDIR}/profile.d COMPONENT sim)
endif()
