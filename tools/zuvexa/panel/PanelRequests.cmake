# zuvexa_panel_requests: the panel's request handling (PanelRequests), its
# settings table, token check and embedded page, without the HTTP server and
# without a library to call: the program that links it brings libzuvexa (the
# panel) or the library's internals (the fuzz programs, whose tree builds no
# tools; tests/fuzz includes this file).
find_package(nlohmann_json CONFIG REQUIRED)
set(zu_panel_dir ${CMAKE_CURRENT_LIST_DIR})

set(zu_panel_assets ${zu_panel_dir}/assets/index.html ${zu_panel_dir}/assets/panel.css
  ${zu_panel_dir}/assets/panel.js)
set(zu_panel_assets_cpp ${CMAKE_CURRENT_BINARY_DIR}/PanelAssets.cpp)
add_custom_command(OUTPUT ${zu_panel_assets_cpp}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${zu_panel_assets_cpp} "-DFILES=${zu_panel_assets}"
          -P ${zu_panel_dir}/EmbedAssets.cmake
  DEPENDS ${zu_panel_assets} ${zu_panel_dir}/EmbedAssets.cmake
  COMMENT "Embedding the front panel's page"
  VERBATIM)

# The units parser comes on its own, without the client library, which
# brings libzuvexa itself.
include(${PROJECT_SOURCE_DIR}/clients/Units.cmake)
add_library(zuvexa_panel_requests STATIC ${zu_panel_dir}/PanelRequests.cpp ${zu_panel_dir}/PanelSettings.cpp
  ${zu_panel_dir}/RequestGuard.cpp ${zu_panel_assets_cpp})
target_include_directories(zuvexa_panel_requests PUBLIC ${zu_panel_dir} ${PROJECT_SOURCE_DIR}/include)
target_link_libraries(zuvexa_panel_requests PUBLIC nlohmann_json::nlohmann_json zuvexa_client_units)
target_compile_options(zuvexa_panel_requests PRIVATE -Wall -Wextra)
