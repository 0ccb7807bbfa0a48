# Debian packages, one per install component (cpack -G DEB in the build
# folder; scripts/make-deb.sh configures a build for /usr and runs it):
#   libzuvexa0      the library and its error description files
#   libzuvexa-dev   headers, CMake package, pkg-config file
#   zuvexa-tools    the zuvexa command
#   python3-zuvexa  the Python package
#   zuvexa-sim      the stand-in platform components; it provides libivi2,
#                   the IVI engine the library links against
#   soapysdr0.8-module-zuvexa
#                   the SoapySDR module (when SoapySDR was found)
#   zuvexa-server   zuvexa-server and its systemd unit, left disabled (when
#                   gRPC was found)
#   zuvexa-doc      the HTML manual (when the build holds it: target docs)
set(CPACK_PACKAGE_NAME zuvexa)
set(CPACK_PACKAGE_VENDOR "libzuvexa maintainers")
set(CPACK_PACKAGE_CONTACT "libzuvexa maintainers <maintainers@users.noreply.c-seed-0a95dec9.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE libzuvexa)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Stripped files, their debug symbols in -dbgsym packages of their own.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# shlibs files (dependants need this version or a later one) and the
# loader-cache triggers for the packages with libraries.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# libivi.so.2 is the platform's (or zuvexa-sim's): let dpkg-shlibdeps see it
# in the build tree; it carries no shlibs information, so the dependency on
# it is written by hand (libivi2).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib ${CMAKE_BINARY_DIR}/lib/modules)

set(CPACK_COMPONENTS_ALL runtime dev tools python)
if(ZUVEXA_INSTALL_SIM)
  list(APPEND CPACK_COMPONENTS_ALL sim)
endif()
if(TARGET zuvexaSupport)
  list(APPEND CPACK_COMPONENTS_ALL soapy)
endif()
if(TARGET zuvexa-server)
  list(APPEND CPACK_COMPONENTS_ALL server)
endif()
# The manual's package is added when cpack runs, if the manual is there by then.
set(CPACK_ZUVEXA_MANUAL ${PROJECT_BINARY_DIR}/docs/html)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/DebianComponents.cmake)

set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "libzuvexa: C interface for the RF signal analyzer
The library finds a device through the system configuration, loads the
instrument module of its model and forwards every call of a session to it.
It describes status codes in six languages from the error description files
it ships.")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libzuvexa${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS libivi2)

set(CPACK_COMPONENT_DEV_DESCRIPTION "libzuvexa: development files
Headers, the CMake package (find_package(zuvexa), target zuvexa::zuvexa)
and the pkg-config file of libzuvexa.")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libzuvexa-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)

set(CPACK_COMPONENT_TOOLS_DESCRIPTION "zuvexa: command-line tool for the RF signal analyzer
Lists the models and installed modules, shows how a resource name resolves,
lists the configured devices, reads and sets attributes, fetches I/Q
records (statistics, CSV, raw or SigMF output, SVG plots), describes status
codes, traces the driver calls of a program and serves a front panel for
the browser.")
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME zuvexa-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION electronics)

set(CPACK_COMPONENT_PYTHON_DESCRIPTION "libzuvexa: Python package
Sessions, attributes and fetches returning numpy arrays, over libzuvexa.")
set(CPACK_COMPONENT_PYTHON_DEPENDS runtime)
set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-zuvexa)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "python3, python3-numpy")
set(ZUVEXA_PYTHON_PACKAGE_DIR ${CMAKE_INSTALL_PREFIX}/${ZUVEXA_INSTALL_PYTHONDIR}/zuvexa)
foreach(script postinst prerm)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/python3-zuvexa.${script}.in ${PROJECT_BINARY_DIR}/python-deb/${script}
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  list(APPEND CPACK_DEBIAN_PYTHON_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/python-deb/${script})
endforeach()

set(CPACK_COMPONENT_SOAPY_DESCRIPTION "libzuvexa: SoapySDR module
Makes the RF signal analyzer a receive-only SoapySDR device (driver=zuvexa)
for SoapySDR applications, GNU Radio's soapy blocks and SoapySDR's Python
binding.")
set(CPACK_COMPONENT_SOAPY_DEPENDS runtime)
set(CPACK_DEBIAN_SOAPY_PACKAGE_NAME soapysdr${ZUVEXA_SOAPY_ABI}-module-zuvexa)
set(CPACK_DEBIAN_SOAPY_PACKAGE_SECTION hamradio)

set(CPACK_COMPONENT_SIM_DESCRIPTION "libzuvexa: simulated platform components
Stand-ins for the IVI engine, the five instrument modules and the system
configuration library, with two simulated analyzers, for trying libzuvexa
without instruments. Not for use with real hardware.")
set(CPACK_DEBIAN_SIM_PACKAGE_NAME zuvexa-sim)
set(CPACK_DEBIAN_SIM_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_SIM_PACKAGE_PROVIDES "libivi2 (= 2.0.0)")
# The login-shell set-up names the simulated analyzers; a conffile.
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/zuvexa-sim.sh.in ${PROJECT_BINARY_DIR}/sim-deb/zuvexa-sim.sh @ONLY)
file(WRITE ${PROJECT_BINARY_DIR}/sim-deb/conffiles "/etc/profile.d/zuvexa-sim.sh\n")
set(CPACK_DEBIAN_SIM_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/sim-deb/conffiles)
set(CPACK_ZUVEXA_SIM_PROFILE ${PROJECT_BINARY_DIR}/sim-deb/zuvexa-sim.sh)

set(CPACK_COMPONENT_SERVER_DESCRIPTION "libzuvexa: gRPC server for remote clients
Serves the analyzers of this host as a gRPC service to test programs on
other hosts, with a token and optional TLS. The systemd unit
zuvexa-server.service is installed disabled; its options are in
/etc/zuvexa/server.conf and its token, made at installation, in
/etc/zuvexa/token.")
set(CPACK_COMPONENT_SERVER_DEPENDS runtime)
set(CPACK_DEBIAN_SERVER_PACKAGE_NAME zuvexa-server)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION electronics)
# The unit and the options file lie outside any prefix: the staging adds them.
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/zuvexa-server.service.in
  ${PROJECT_BINARY_DIR}/server-deb/zuvexa-server.service @ONLY)
file(WRITE ${PROJECT_BINARY_DIR}/server-deb/conffiles "/etc/zuvexa/server.conf\n")
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/server-deb/conffiles)
foreach(script postinst postrm)
  file(COPY_FILE ${PROJECT_SOURCE_DIR}/packaging/debian/zuvexa-server.${script}
    ${PROJECT_BINARY_DIR}/server-deb/${script})
  file(CHMOD ${PROJECT_BINARY_DIR}/server-deb/${script} FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  list(APPEND CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/server-deb/${script})
endforeach()
set(CPACK_ZUVEXA_SERVER_FILES ${PROJECT_BINARY_DIR}/server-deb/zuvexa-server.service
  ${PROJECT_SOURCE_DIR}/packaging/debian/zuvexa-server.conf)

set(CPACK_COMPONENT_DOC_DESCRIPTION "libzuvexa: manual
The HTML manual of libzuvexa: getting started, guides, the C and Python
references, the zuvexa command and every status code.")
set(CPACK_DEBIAN_DOC_PACKAGE_NAME zuvexa-doc)
set(CPACK_DEBIAN_DOC_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_DOC_PACKAGE_ARCHITECTURE all)
# Sphinx's JavaScript files become links to Debian's copies (the staging).
set(CPACK_DEBIAN_DOC_PACKAGE_DEPENDS "libjs-jquery, libjs-underscore, libjs-sphinxdoc")

# Copyright, changelog, overrides, manual pages and the set-up above go into
# the staged packages (cmake/DebianStaging.cmake).
set(CPACK_ZUVEXA_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/packaging/debian)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianStaging.cmake)
# The loader-cache trigger and the debug-symbol packages' names
# (cmake/DebianFinish.cmake).
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianFinish.cmake)
include(CPack)
