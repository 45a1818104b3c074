# Orvane.exe and the shell's unit tests (included by the top-level CMakeLists for Windows).

set(ORVANE_WIN32_LIBRARIES opengl32 glu32 gdi32 comctl32 comdlg32 winmm ole32 shell32 user32 advapi32)

if(ORVANE_SHELL_SOURCES)
    orvane_add_library(orvane_shell ${ORVANE_SHELL_SOURCES})
    target_link_libraries(orvane_shell PUBLIC orvane_core ${ORVANE_WIN32_LIBRARIES})
    # UI text goes through the wide-character API.
    target_compile_definitions(orvane_shell PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()

if(ORVANE_SHELL_TEST_SOURCES AND ORVANE_TESTS)
    orvane_add_gtest(orvane_shell_tests ${ORVANE_SHELL_TEST_SOURCES})
    target_link_libraries(orvane_shell_tests PRIVATE orvane_shell)
endif()

# The pictures and sounds, drawn at build time by res/draw_assets.py (Debian's python3 with
# Pillow): the resource script's pictures into res/ of the build folder, the program's data files
# into the program folder ORVANE_PROGRAM_DIR, where Orvane.exe finds Images/ and Sound/ beside it.
# -B keeps Python from writing its byte-code caches into the source tree.
find_program(ORVANE_PYTHON python3 HINTS /usr/bin REQUIRED)
set(ORVANE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/Orvane)
set(ORVANE_RESOURCE_PICTURE_DIR ${CMAKE_BINARY_DIR}/res)
set(ORVANE_DRAW_ASSETS ${PROJECT_SOURCE_DIR}/res/draw_assets.py)
set(ORVANE_DRAW_ASSETS_MODULES
    ${PROJECT_SOURCE_DIR}/res/canvas.py
    ${PROJECT_SOURCE_DIR}/res/file_formats.py
    ${PROJECT_SOURCE_DIR}/res/page_symbols.py
    ${PROJECT_SOURCE_DIR}/res/symbols.py)
execute_process(
    COMMAND ${ORVANE_PYTHON} -B ${ORVANE_DRAW_ASSETS} --list ${ORVANE_RESOURCE_PICTURE_DIR} ${ORVANE_PROGRAM_DIR}
    OUTPUT_VARIABLE ORVANE_ASSET_FILES
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" ORVANE_ASSET_FILES "${ORVANE_ASSET_FILES}")
# A new picture in the script changes the list of outputs.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORVANE_DRAW_ASSETS})
add_custom_command(
    OUTPUT ${ORVANE_ASSET_FILES}
    COMMAND ${ORVANE_PYTHON} -B ${ORVANE_DRAW_ASSETS} ${ORVANE_RESOURCE_PICTURE_DIR} ${ORVANE_PROGRAM_DIR}
    DEPENDS ${ORVANE_DRAW_ASSETS} ${ORVANE_DRAW_ASSETS_MODULES}
    COMMENT "Drawing the pictures and sounds"
    VERBATIM)
add_custom_target(orvane_assets ALL DEPENDS ${ORVANE_ASSET_FILES})

# The resource script, compiled once; Orvane.exe links $<TARGET_OBJECTS:orvane_resources>.
# windres leaves no dependency file, so the header and the pictures are named here.
enable_language(RC)
add_library(orvane_resources OBJECT res/Orvane.rc)
target_include_directories(orvane_resources PRIVATE ${PROJECT_SOURCE_DIR}/res ${ORVANE_RESOURCE_PICTURE_DIR})
set_source_files_properties(res/Orvane.rc PROPERTIES
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/res/resource.h;${ORVANE_ASSET_FILES}")
add_dependencies(orvane_resources orvane_assets)

# The drawn files must load: sizes, layouts and determinism, checked on fresh copies.
add_test(NAME orvane_assets_check
    COMMAND ${ORVANE_PYTHON} -B -m pytest -q -p no:cacheprovider ${PROJECT_SOURCE_DIR}/tests/res)

# The program itself, in the program folder beside its Images/ and Sound/.
add_executable(Orvane WIN32 ${ORVANE_ENTRY_SOURCES} $<TARGET_OBJECTS:orvane_resources>)
orvane_warnings(Orvane)
target_link_libraries(Orvane PRIVATE orvane_shell)
set_target_properties(Orvane PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ORVANE_PROGRAM_DIR})
add_dependencies(Orvane orvane_assets)

# The end-to-end tests' reader of window texts, run under Wine beside the program.
add_executable(orvane-probe tests/e2e/probe/OrvaneProbe_win.cpp)
orvane_warnings(orvane-probe)
target_compile_definitions(orvane-probe PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(orvane-probe PRIVATE comctl32 gdi32 user32)
target_link_options(orvane-probe PRIVATE -municode)

# The cost of the plot view's frames under the system's OpenGL (scripts/measure-frame-rate).
add_executable(orvane-frame-bench bench/PlotFrameBench_win.cpp)
orvane_warnings(orvane-frame-bench)
target_link_libraries(orvane-frame-bench PRIVATE orvane_shell)
