cmake_policy(VERSION 3.25)
# Run by cpack after it has staged each component (CPACK_PRE_BUILD_SCRIPTS):
# adds what a Debian package holds beside the installed files: copyright,
# changelog, lintian overrides, compressed manual pages, and the simulation
# package's login-shell set-up, which lies outside any prefix and so is never
# part of an install.
function(zu_gzip source target)
  execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${target} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${source} failed")
  endif()
endfunction()

set(debian ${CPACK_ZUVEXA_DEBIAN_DIR})
foreach(component ${CPACK_COMPONENTS_ALL})
  string(TOUPPER ${component} upper)
  set(package ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
  set(root ${CPACK_TEMPORARY_DIRECTORY}/${component})
  set(doc ${root}/usr/share/doc/${package})
  file(MAKE_DIRECTORY ${doc})
  file(COPY_FILE ${debian}/copyright ${doc}/copyright)
  zu_gzip(${debian}/changelog ${doc}/changelog.gz)
  if(EXISTS ${debian}/${package}.lintian-overrides)
    file(MAKE_DIRECTORY ${root}/usr/share/lintian/overrides)
    file(COPY_FILE ${debian}/${package}.lintian-overrides ${root}/usr/share/lintian/overrides/${package})
  endif()
  file(GLOB pages ${root}/usr/share/man/man*/*.[1-9])
  foreach(page ${pages})
    zu_gzip(${page} ${page}.gz)
    file(REMOVE ${page})
  endforeach()
endforeach()

if(sim IN_LIST CPACK_COMPONENTS_ALL)
  file(MAKE_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}/sim/etc/profile.d)
  file(COPY_FILE ${CPACK_ZUVEXA_SIM_PROFILE} ${CPACK_TEMPORARY_DIRECTORY}/sim/etc/profile.d/zuvexa-sim.sh)
endif()

# The server's unit and options file: outside the prefix as well.
if("server" IN_LIST CPACK_COMPONENTS_ALL)
  set(root ${CPACK_TEMPORARY_DIRECTORY}/server)
  list(GET CPACK_ZUVEXA_SERVER_FILES 0 unit)
  list(GET CPACK_ZUVEXA_SERVER_FILES 1 options)
  file(MAKE_DIRECTORY ${root}/lib/systemd/system ${root}/etc/zuvexa)
  file(COPY_FILE ${unit} ${root}/lib/systemd/system/zuvexa-server.service)
  file(COPY_FILE ${options} ${root}/etc/zuvexa/server.conf)
endif()

if("doc" IN_LIST CPACK_COMPONENTS_ALL)
  include(${CMAKE_CURRENT_LIST_DIR}/DebianManual.cmake)
endif()
