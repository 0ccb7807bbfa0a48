# The library is made of components, one or more source folders each, that
# depend on each other in one direction only: from the exported API down to
# the platform. Every component names the components it uses; it may include
# the headers of those and, through them, of everything below. The include
# check (tests/unit/layering) holds the sources to that table, which the
# build writes to ${CMAKE_BINARY_DIR}/components.cmake.
#
# zu_include_rule(<name> FOLDERS <folder>... [DEPENDS <component>...] [DIRECT])
#   Records a rule only: the folders (relative to the project root) whose
#   includes the check holds to DEPENDS. Used for the stand-ins, which are
#   built on their own but may use only the platform interfaces and the
#   catalogue, and for the tools and benchmarks. DIRECT allows the DEPENDS
#   components alone, not what they use.
#
# zu_component(<name> FOLDERS <folder>... [DEPENDS <component>...] [LINKS <target>...])
#   Records the rule and, when the folders hold sources, builds an object
#   library from every .cpp and .c below them. It links the components it
#   depends on that have sources (for their usage requirements) and LINKS.
#   A component without sources yet (headers only, or not written) has a
#   place in the order but no target. libzuvexa.so is the union of all
#   component objects; a test links just what it exercises.
set(ZU_COMPONENTS "" CACHE INTERNAL "")
set(ZU_INCLUDE_RULES "" CACHE INTERNAL "")

function(zu_include_rule name)
  cmake_parse_arguments(C "DIRECT" "" "FOLDERS;DEPENDS" ${ARGN})
  foreach(dependency ${C_DEPENDS})
    if(NOT dependency IN_LIST ZU_INCLUDE_RULES)
      message(FATAL_ERROR "${name} depends on ${dependency}, which is not declared before it")
    endif()
  endforeach()
  set(ZU_INCLUDE_RULES ${ZU_INCLUDE_RULES} ${name} CACHE INTERNAL "")
  set(ZU_RULE_${name}_FOLDERS ${C_FOLDERS} CACHE INTERNAL "")
  set(ZU_RULE_${name}_DEPENDS ${C_DEPENDS} CACHE INTERNAL "")
  set(ZU_RULE_${name}_DIRECT ${C_DIRECT} CACHE INTERNAL "")
endfunction()

function(zu_component name)
  cmake_parse_arguments(C "" "" "FOLDERS;DEPENDS;LINKS" ${ARGN})
  zu_include_rule(${name} FOLDERS ${C_FOLDERS} DEPENDS ${C_DEPENDS})
  set(sources "")
  foreach(dir ${C_FOLDERS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.c)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_library(${name} OBJECT ${sources})
  target_link_libraries(${name} PUBLIC zu_common ${C_LINKS})
  foreach(dependency ${C_DEPENDS})
    if(TARGET ${dependency})
      target_link_libraries(${name} PUBLIC ${dependency})
    endif()
  endforeach()
  set(ZU_COMPONENTS ${ZU_COMPONENTS} ${name} CACHE INTERNAL "")
endfunction()

# Writes the recorded rules for the include check.
function(zu_write_include_rules path)
  set(text "set(ZU_INCLUDE_RULES \"${ZU_INCLUDE_RULES}\")\n")
  foreach(rule ${ZU_INCLUDE_RULES})
    string(APPEND text "set(ZU_RULE_${rule}_FOLDERS \"${ZU_RULE_${rule}_FOLDERS}\")\n")
    string(APPEND text "set(ZU_RULE_${rule}_DEPENDS \"${ZU_RULE_${rule}_DEPENDS}\")\n")
    string(APPEND text "set(ZU_RULE_${rule}_DIRECT \"${ZU_RULE_${rule}_DIRECT}\")\n")
  endforeach()
  file(CONFIGURE OUTPUT ${path} CONTENT "${text}")
endfunction()
