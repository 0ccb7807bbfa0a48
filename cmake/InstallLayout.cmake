# Where an install puts things, every destination relative to the prefix so
# that nothing lands outside it (or outside DESTDIR), and the RUNPATHs that
# let the installed files find each other from wherever the prefix is:
#   <libdir>                 libzuvexa.so.N (RUNPATH $ORIGIN/zuvexa)
#   <libdir>/zuvexa          the stand-in platform components and modules,
#                            which the library loads by name
#   <datadir>/zuvexa         the library's own error description files
#   <bindir>                 the tools (RUNPATH: <libdir> and <libdir>/zuvexa)
#   <docdir>/manual          the HTML manual, when it was built (target docs)
#   <libdir>/SoapySDR/modulesN  the SoapySDR module (RUNPATH: the same two,
#                            soapy/CMakeLists.txt)
#   <python site>/zuvexa     the Python package, which finds <libdir> from
#                            its own folder (cmake/Install.cmake)
include(GNUInstallDirs)

set(ZUVEXA_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/zuvexa)
set(ZUVEXA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/zuvexa)
set(ZUVEXA_INSTALL_MANUALDIR ${CMAKE_INSTALL_DOCDIR}/manual)
# The manual's installed start page, which `zuvexa --help` names.
set(ZUVEXA_MANUAL_PAGE ${CMAKE_INSTALL_FULL_DOCDIR}/manual/index.html)

file(RELATIVE_PATH zu_libdir_from_bindir ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
file(RELATIVE_PATH ZUVEXA_DATA_FROM_LIBDIR ${CMAKE_INSTALL_FULL_LIBDIR}
     ${CMAKE_INSTALL_PREFIX}/${ZUVEXA_INSTALL_DATADIR})
set(ZUVEXA_LIBRARY_RUNPATH "$ORIGIN/zuvexa")
set(ZUVEXA_MODULE_RUNPATH "$ORIGIN")
set(ZUVEXA_TOOL_RUNPATH "$ORIGIN/${zu_libdir_from_bindir}" "$ORIGIN/${zu_libdir_from_bindir}/zuvexa")
