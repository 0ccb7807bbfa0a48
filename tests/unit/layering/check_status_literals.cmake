# The library names every status code it returns in one place: the public
# header and src/status/StatusCodes.h. Fails on a raw driver status code
# (0xBFFA..., 0xBFFF..., 0x3FFA...) anywhere else under src/.
#
# cmake -DROOT=<project root> -P check_status_literals.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/src/*")
list(REMOVE_ITEM sources src/status/StatusCodes.h)
set(found "")
foreach(source ${sources})
  file(STRINGS "${ROOT}/${source}" hits REGEX "0[xX](BFF[AF]|3FFA)[0-9A-Fa-f]")
  foreach(hit ${hits})
    string(STRIP "${hit}" hit)
    list(APPEND found "${source}: ${hit}")
  endforeach()
endforeach()
if(found)
  list(JOIN found "\n  " text)
  message(FATAL_ERROR "Raw status codes; use the names of src/status/StatusCodes.h:\n  ${text}")
endif()
