# Fails when a program carries a copy of the library instead of calling
# libzuvexa's exports: an exported API name, or code of an internal
# namespace other than the routing component (zurouting), which holds no
# state. -DNM=<nm> -DPROGRAM=<file>
execute_process(COMMAND ${NM} -C --defined-only ${PROGRAM} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} failed on ${PROGRAM}")
endif()
string(REGEX MATCHALL "[^\n]* T (GX_)?zuVEXA_[^\n]*" copies "${symbols}")
set(internal "zuapi|zumodules|dvlShared|zumxl|zutrace|zuxlator|zuxlatorlua|zusysq|zuapal|zu|zudynlib|zuerr|jsonz")
string(REGEX MATCHALL "[^\n]* [A-Za-z] [^\n]*(^|[^A-Za-z0-9_:])(${internal})::[^\n]*" internals "${symbols}")
string(REGEX MATCHALL "[^\n]* [A-Za-z] (lua_|luaL_|luaopen_)[^\n]*" lua "${symbols}")
list(APPEND copies ${internals} ${lua})
if(copies)
  list(JOIN copies "\n" text)
  message(FATAL_ERROR "${PROGRAM} carries parts of the library:\n${text}")
endif()
