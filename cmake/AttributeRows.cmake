# The attribute catalogue with value types, for the programs that read and
# write attributes by name (zuvexa attr, the front panel, the SoapySDR
# module): ${CMAKE_BINARY_DIR}/generated/attributes/AttributeRows.inc holds
# one line per ZU_ATTRIBUTE row of src/zuxlatorlua/attributes/Attributes.def,
#   ZU_ATTRIBUTE_ROW(identifier, "Display Name", Type)
# in catalogue order, Type being the one python/generator/attribute_types.txt
# gives the name (surrounding spaces ignored): Int32, Int64, Real64, Boolean,
# String, or Unknown. Consumers define ZU_ATTRIBUTE_ROW and include the file
# through the interface target zuvexa_attribute_rows.
set(zu_rows_catalogue ${PROJECT_SOURCE_DIR}/src/zuxlatorlua/attributes/Attributes.def)
set(zu_rows_types ${PROJECT_SOURCE_DIR}/python/generator/attribute_types.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${zu_rows_catalogue} ${zu_rows_types})

file(STRINGS ${zu_rows_types} zu_type_lines REGEX "^[^#].*: *(int32|int64|real64|boolean|string)$")
foreach(zu_line ${zu_type_lines})
  string(REGEX MATCH "^(.*[^ ]) *: *([a-z0-9]+)$" zu_matched "${zu_line}")
  string(SUBSTRING ${CMAKE_MATCH_2} 0 1 zu_first)
  string(SUBSTRING ${CMAKE_MATCH_2} 1 -1 zu_rest)
  string(TOUPPER ${zu_first} zu_first)
  string(MD5 zu_key "${CMAKE_MATCH_1}")
  set(zu_type_${zu_key} ${zu_first}${zu_rest})
endforeach()

file(STRINGS ${zu_rows_catalogue} zu_catalogue_lines REGEX "^ZU_ATTRIBUTE\\(")
set(zu_rows "// Generated from Attributes.def and attribute_types.txt by cmake/AttributeRows.cmake.\n")
foreach(zu_line ${zu_catalogue_lines})
  if(NOT zu_line MATCHES "^ZU_ATTRIBUTE\\(([0-9]+), \"([^\"]*)\"\\)$")
    message(FATAL_ERROR "Attributes.def: a row AttributeRows.cmake cannot read: ${zu_line}")
  endif()
  set(zu_id ${CMAKE_MATCH_1})
  set(zu_name "${CMAKE_MATCH_2}")
  string(STRIP "${zu_name}" zu_trimmed)
  string(MD5 zu_key "${zu_trimmed}")
  set(zu_type Unknown)
  if(DEFINED zu_type_${zu_key})
    set(zu_type ${zu_type_${zu_key}})
  endif()
  string(APPEND zu_rows "ZU_ATTRIBUTE_ROW(${zu_id}, \"${zu_name}\", ${zu_type})\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/attributes/AttributeRows.inc CONTENT "${zu_rows}" @ONLY)

add_library(zuvexa_attribute_rows INTERFACE)
target_include_directories(zuvexa_attribute_rows INTERFACE ${CMAKE_BINARY_DIR}/generated/attributes)
