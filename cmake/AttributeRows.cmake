# The attribute catalogue with value types, for the programs that read and
# write attributes by name (zuvexa attr, the front panel, the SoapySDR
# module): python/generator/generate_catalogue.py --rows writes
# ${CMAKE_BINARY_DIR}/generated/attributes/AttributeRows.inc, one
#   ZU_ATTRIBUTE_ROW(identifier, "Display Name", Type)
# per attribute of src/zuxlatorlua/attributes/Attributes.def, typed by
# AttributeTypes.txt beside it (the generator's header gives the rules, the
# same as for the Python package's table). Consumers define ZU_ATTRIBUTE_ROW
# and include the file through the interface target zuvexa_attribute_rows,
# which has it generated first.

# Debian's python3, not one that a version manager put first on PATH.
find_program(ZUVEXA_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(ZUVEXA_PYTHON3 python3)
if(NOT ZUVEXA_PYTHON3)
  message(FATAL_ERROR "python3 is missing: it generates the attribute rows (Debian package python3)")
endif()

set(zu_rows_dir ${CMAKE_BINARY_DIR}/generated/attributes)
set(zu_rows_file ${zu_rows_dir}/AttributeRows.inc)
set(zu_attributes_dir ${PROJECT_SOURCE_DIR}/src/zuxlatorlua/attributes)
set(zu_generator_dir ${PROJECT_SOURCE_DIR}/python/generator)
file(MAKE_DIRECTORY ${zu_rows_dir})
add_custom_command(OUTPUT ${zu_rows_file}
  COMMAND ${ZUVEXA_PYTHON3} ${zu_generator_dir}/generate_catalogue.py --rows ${PROJECT_SOURCE_DIR} ${zu_rows_file}
          ${CMAKE_CXX_COMPILER}
  DEPENDS ${zu_generator_dir}/generate_catalogue.py ${zu_generator_dir}/catalogue_rows.cpp
          ${zu_attributes_dir}/Attributes.def ${zu_attributes_dir}/AttributeTypes.txt
          ${PROJECT_SOURCE_DIR}/include/zuVEXA.h ${PROJECT_SOURCE_DIR}/include/zuVEXAtypes.h
  COMMENT "Generating the attribute rows"
  VERBATIM)
add_custom_target(zuvexa_attribute_rows_file DEPENDS ${zu_rows_file})

add_library(zuvexa_attribute_rows INTERFACE)
target_include_directories(zuvexa_attribute_rows INTERFACE ${zu_rows_dir})
# Followed by every target that links the interface library.
add_dependencies(zuvexa_attribute_rows zuvexa_attribute_rows_file)
