# The zuvexa Python package as the build writes it: the sources of
# python/zuvexa and the generated _catalogue.py (ctypes prototypes of every
# export and the attribute table, from the catalogue rows) in
# <build>/python/zuvexa. The tests run it from there and the installation
# copies it. Defines the target zuvexa_python (built by default) and
# ZUVEXA_PYTHON_PACKAGE_DIR. python3 is the one cmake/AttributeRows.cmake found.
set(ZUVEXA_PYTHON_PACKAGE_DIR ${PROJECT_BINARY_DIR}/python/zuvexa)
set(generator_dir ${PROJECT_SOURCE_DIR}/python/generator)
set(catalogue ${ZUVEXA_PYTHON_PACKAGE_DIR}/_catalogue.py)
file(MAKE_DIRECTORY ${ZUVEXA_PYTHON_PACKAGE_DIR})

# The generator lays out the rows with the preprocessor and the catalogue's
# own macros, maps each to Python and stops the build on one it cannot map
# (python/setup.py runs it the same way for pip).
file(GLOB catalogue_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/redirector/catalogue/*.def
  ${PROJECT_SOURCE_DIR}/src/redirector/catalogue/*.h)
add_custom_command(OUTPUT ${catalogue}
  COMMAND ${ZUVEXA_PYTHON3} ${generator_dir}/generate_catalogue.py ${PROJECT_SOURCE_DIR} ${catalogue}
          ${CMAKE_CXX_COMPILER}
  DEPENDS ${generator_dir}/catalogue_rows.cpp ${generator_dir}/generate_catalogue.py
          ${catalogue_sources} ${PROJECT_SOURCE_DIR}/src/zuxlatorlua/attributes/Attributes.def
          ${PROJECT_SOURCE_DIR}/src/zuxlatorlua/attributes/AttributeTypes.txt ${PROJECT_SOURCE_DIR}/include/zuVEXA.h
          ${PROJECT_SOURCE_DIR}/include/zuVEXAtypes.h
  COMMENT "Generating the Python package's catalogue"
  VERBATIM)

file(GLOB package_sources CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/python/zuvexa ${PROJECT_SOURCE_DIR}/python/zuvexa/*.py
  ${PROJECT_SOURCE_DIR}/python/zuvexa/py.typed)
set(package_files ${catalogue})
foreach(source ${package_sources})
  add_custom_command(OUTPUT ${ZUVEXA_PYTHON_PACKAGE_DIR}/${source}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/python/zuvexa/${source}
            ${ZUVEXA_PYTHON_PACKAGE_DIR}/${source}
    DEPENDS ${PROJECT_SOURCE_DIR}/python/zuvexa/${source}
    VERBATIM)
  list(APPEND package_files ${ZUVEXA_PYTHON_PACKAGE_DIR}/${source})
endforeach()
add_custom_target(zuvexa_python ALL DEPENDS ${package_files})
