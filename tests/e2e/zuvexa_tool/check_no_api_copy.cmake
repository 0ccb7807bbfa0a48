# Fails when a program defines an exported API name itself instead of
# calling libzuvexa's. -DNM=<nm> -DPROGRAM=<file>
execute_process(COMMAND ${NM} --defined-only ${PROGRAM} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} failed on ${PROGRAM}")
endif()
string(REGEX MATCHALL "[^\n]* T (GX_)?zuVEXA_[^\n]*" copies "${symbols}")
if(copies)
  message(FATAL_ERROR "${PROGRAM} defines API functions of its own:\n${copies}")
endif()
