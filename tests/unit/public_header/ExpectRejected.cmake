# Proves that the compile-time checks bite: compiles SOURCE once with the real
# public header (must succeed), then with a copy of the header in which FIND
# is replaced by REPLACE (must fail, naming EXPECT in the diagnostics).
#
#   cmake -DCOMPILER=... -DSOURCE=... -DHEADER=.../zuVEXA.h -DINCLUDES="a|b"
#         -DWORK=<scratch dir> -DFIND=... -DREPLACE=... -DEXPECT=... -P ExpectRejected.cmake
string(REPLACE "|" ";" includes "${INCLUDES}")
set(include_flags "")
foreach(dir ${includes})
  list(APPEND include_flags "-I${dir}")
endforeach()

function(compile header_dir out_result out_output)
  execute_process(
    COMMAND "${COMPILER}" -std=c++20 -fsyntax-only "-I${header_dir}" ${include_flags} "${SOURCE}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(${out_result} "${result}" PARENT_SCOPE)
  set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

get_filename_component(header_dir "${HEADER}" DIRECTORY)
compile("${header_dir}" result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the unchanged header does not compile:\n${output}")
endif()

file(READ "${HEADER}" text)
string(REPLACE "${FIND}" "${REPLACE}" changed "${text}")
if(changed STREQUAL text)
  message(FATAL_ERROR "'${FIND}' is not in ${HEADER}")
endif()
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/zuVEXA.h" "${changed}")

compile("${WORK}" result output)
if(result EQUAL 0)
  message(FATAL_ERROR "a header with '${REPLACE}' in place of '${FIND}' still compiles")
endif()
if(NOT output MATCHES "${EXPECT}")
  message(FATAL_ERROR "the compilation failed without naming ${EXPECT}:\n${output}")
endif()
message(STATUS "rejected as expected: '${REPLACE}' in place of '${FIND}'")
