# saltmark-screenshots: opens each window of the desktop program on a
# program folder and saves it as a PNG; tools/screenshots runs it. Built with
# the desktop program, into the build's tools folder (not the program folder).
add_executable(saltmark-screenshots
               ${CMAKE_CURRENT_LIST_DIR}/main.cpp
               ${CMAKE_CURRENT_LIST_DIR}/DemoFolder.cpp
               ${CMAKE_CURRENT_LIST_DIR}/WindowShots.cpp)
target_include_directories(saltmark-screenshots PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(saltmark-screenshots PRIVATE saltmark_gui)
set_target_properties(saltmark-screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
