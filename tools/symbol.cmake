# The program's icon (SVG and PNG) for the menu entry; needs Qt's SVG module (qt6-svg-dev).
find_package(Qt6 REQUIRED COMPONENTS Svg)
add_executable(programmsymbol ${CMAKE_CURRENT_LIST_DIR}/programmsymbol.cpp)
target_link_libraries(programmsymbol PRIVATE trabex_core Qt6::Svg)
