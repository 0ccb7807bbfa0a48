# Holds the sources to the component table that cmake/Components.cmake
# records: a file may include headers of its own component and of the
# components its component depends on, directly or through others (only
# directly for a DIRECT rule). Fails
# on an include against that order, on a dependency cycle in the table, on
# a dependency on an undeclared component, and on a source folder under
# src/ that belongs to no component.
#
# cmake -DROOT=<project root> -DTABLE=<components.cmake> -P check_includes.cmake
#
# A quoted include is looked up beside the including file first, then below
# <ROOT>/src; a path that falls in no component's folder (public and
# third-party headers) is not checked.
cmake_minimum_required(VERSION 3.25)
include(${TABLE})

set(problems "")

# Components reachable from `rule` through DEPENDS, into `out_var`.
function(reachable rule out_var)
  set(seen "")
  set(pending ${ZU_RULE_${rule}_DEPENDS})
  while(pending)
    list(POP_FRONT pending next)
    if(NOT next IN_LIST seen)
      list(APPEND seen ${next})
      list(APPEND pending ${ZU_RULE_${next}_DEPENDS})
    endif()
  endwhile()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

foreach(rule ${ZU_INCLUDE_RULES})
  foreach(dependency ${ZU_RULE_${rule}_DEPENDS})
    if(NOT dependency IN_LIST ZU_INCLUDE_RULES)
      list(APPEND problems "${rule} depends on ${dependency}, which is no component")
    endif()
  endforeach()
  reachable(${rule} allowed)
  if(rule IN_LIST allowed)
    list(APPEND problems "${rule} depends on itself through a cycle")
  endif()
  if(ZU_RULE_${rule}_DIRECT)
    set(allowed ${ZU_RULE_${rule}_DEPENDS})
  endif()
  set(ALLOWED_${rule} ${rule} ${allowed})
endforeach()

# The component whose folder holds `path` (relative to ROOT), by the
# longest matching folder; empty for none.
function(owner path out_var)
  set(best "")
  set(best_length 0)
  foreach(rule ${ZU_INCLUDE_RULES})
    foreach(folder ${ZU_RULE_${rule}_FOLDERS})
      string(LENGTH "${folder}/" length)
      string(SUBSTRING "${path}" 0 ${length} head)
      if(head STREQUAL "${folder}/" AND length GREATER best_length)
        set(best ${rule})
        set(best_length ${length})
      endif()
    endforeach()
  endforeach()
  set(${out_var} "${best}" PARENT_SCOPE)
endfunction()

# The included file of `include` in `file`, relative to ROOT.
function(resolve file include out_var)
  get_filename_component(dir "${file}" DIRECTORY)
  if(EXISTS "${ROOT}/${dir}/${include}")
    file(RELATIVE_PATH local "${ROOT}" "${ROOT}/${dir}/${include}")
    set(${out_var} "${local}" PARENT_SCOPE)
  else()
    set(${out_var} "src/${include}" PARENT_SCOPE)
  endif()
endfunction()

set(checked 0)
foreach(rule ${ZU_INCLUDE_RULES})
  foreach(folder ${ZU_RULE_${rule}_FOLDERS})
    file(GLOB_RECURSE files RELATIVE "${ROOT}" "${ROOT}/${folder}/*")
    foreach(file ${files})
      owner("${file}" file_owner)
      if(NOT file_owner STREQUAL rule)
        continue() # a nested folder of another component
      endif()
      file(STRINGS "${ROOT}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
      foreach(line ${lines})
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" include "${line}")
        resolve("${file}" "${include}" target)
        owner("${target}" target_owner)
        math(EXPR checked "${checked} + 1")
        if(target_owner AND NOT target_owner IN_LIST ALLOWED_${rule})
          list(APPEND problems "${file} (${rule}) includes \"${include}\" of ${target_owner}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

# Every source folder under src/ has its place in the order.
file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/src/*/*")
foreach(source ${sources})
  owner("${source}" source_owner)
  if(NOT source_owner)
    get_filename_component(folder "${source}" DIRECTORY)
    list(APPEND stray_folders "${folder}")
  endif()
endforeach()
if(stray_folders)
  list(REMOVE_DUPLICATES stray_folders)
  foreach(folder ${stray_folders})
    list(APPEND problems "${folder} belongs to no component")
  endforeach()
endif()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the component order:\n  ${text}")
endif()
message(STATUS "${checked} includes follow the component order")
