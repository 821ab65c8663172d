# The text of the shape sidecar, apart from the editor: Qt Core alone, so that the fuzz build,
# which leaves the editor out, builds it for its fuzz target too.
add_library(zylox_shape_sidecar_text STATIC ${CMAKE_CURRENT_LIST_DIR}/files/ShapeSidecarText.cpp)
target_include_directories(zylox_shape_sidecar_text PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zylox_shape_sidecar_text PUBLIC Qt6::Core zylox_model zylox_audio)
