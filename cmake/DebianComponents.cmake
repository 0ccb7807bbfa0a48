cmake_policy(VERSION 3.25)
# Read by cpack before it builds (CPACK_PROJECT_CONFIG_FILE): the manual's
# package joins the others when the build holds the manual.
if(EXISTS ${CPACK_ZUVEXA_MANUAL}/index.html AND NOT "doc" IN_LIST CPACK_COMPONENTS_ALL)
  list(APPEND CPACK_COMPONENTS_ALL doc)
endif()
