# orbsamplegen DIR: writes the sample drawing library (the demo generates it on first use too).
add_executable(orbsamplegen ${CMAKE_CURRENT_SOURCE_DIR}/drawingdata/tools/orbsamplegen.cpp)
target_link_libraries(orbsamplegen PRIVATE OrbHostDrawingData)
orb_warnings(orbsamplegen)
