# Orvane.exe and the shell's unit tests (included by the top-level CMakeLists for Windows).

set(ORVANE_WIN32_LIBRARIES opengl32 glu32 gdi32 comctl32 comdlg32 winmm ole32 shell32 user32)

if(ORVANE_SHELL_SOURCES)
    orvane_add_library(orvane_shell ${ORVANE_SHELL_SOURCES})
    target_link_libraries(orvane_shell PUBLIC orvane_core ${ORVANE_WIN32_LIBRARIES})
    # UI text goes through the wide-character API.
    target_compile_definitions(orvane_shell PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()

if(ORVANE_SHELL_TEST_SOURCES)
    orvane_add_gtest(orvane_shell_tests ${ORVANE_SHELL_TEST_SOURCES})
    target_link_libraries(orvane_shell_tests PRIVATE orvane_shell)
endif()
