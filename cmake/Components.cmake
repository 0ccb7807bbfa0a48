# A component is an object library made of every .cpp below the given source
# folders. libzuvexa.so is the union of all components; a test links just the
# components it exercises.
set(ZU_COMPONENTS "" CACHE INTERNAL "")

function(zu_component name)
  set(sources "")
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/src/${dir}/*.c)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_library(${name} OBJECT ${sources})
  target_link_libraries(${name} PUBLIC zu_common)
  set(ZU_COMPONENTS ${ZU_COMPONENTS} ${name} CACHE INTERNAL "")
endfunction()
