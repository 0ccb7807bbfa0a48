# zuvexa_client_units: the parser of numbers with units on its own, without
# the library, for programs that link the library's internals instead (the
# panel's request handling in the fuzz programs). Included by clients/ and by
# the panel's request handling, whichever comes first.
if(NOT TARGET zuvexa_client_units)
  add_library(zuvexa_client_units STATIC ${CMAKE_CURRENT_LIST_DIR}/Units.cpp)
  set_target_properties(zuvexa_client_units PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_include_directories(zuvexa_client_units PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_compile_options(zuvexa_client_units PRIVATE -Wall -Wextra)
endif()
