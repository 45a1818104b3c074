# Build helpers shared by every target of the project.

set(ORVANE_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

function(orvane_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    endif()
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# The unit tests are built where GoogleTest's sources are found; Debian ships them in
# /usr/src/googletest, so that the same tests build with the cross compiler for Windows.
set(ORVANE_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the unit tests")
if(EXISTS ${ORVANE_GOOGLETEST_DIR}/CMakeLists.txt AND NOT ORVANE_FUZZ)
    set(ORVANE_TESTS ON)
else()
    set(ORVANE_TESTS OFF)
endif()
if(NOT WIN32 AND NOT ORVANE_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(ORVANE_SANITIZED_TESTS ON)
else()
    set(ORVANE_SANITIZED_TESTS OFF)
endif()

# A static library of our own sources. Natively a second copy is built with the sanitizers for
# the unit tests, so that the tests check the very code the other targets use.
function(orvane_add_library name)
    add_library(${name} STATIC ${ARGN})
    orvane_warnings(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ORVANE_SANITIZED_TESTS AND ORVANE_TESTS)
        add_library(${name}_sanitized STATIC ${ARGN})
        orvane_warnings(${name}_sanitized)
        target_include_directories(${name}_sanitized PUBLIC ${PROJECT_SOURCE_DIR})
        target_compile_options(${name}_sanitized PUBLIC ${ORVANE_SANITIZE_FLAGS})
        target_link_options(${name}_sanitized PUBLIC ${ORVANE_SANITIZE_FLAGS})
    endif()
endfunction()

if(ORVANE_TESTS AND NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${ORVANE_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Link-time optimisation of GoogleTest itself buys nothing and warns under MinGW.
    set_target_properties(gtest gtest_main PROPERTIES INTERPROCEDURAL_OPTIMIZATION OFF)
    if(ORVANE_SANITIZED_TESTS)
        target_compile_options(gtest PRIVATE ${ORVANE_SANITIZE_FLAGS})
        target_compile_options(gtest_main PRIVATE ${ORVANE_SANITIZE_FLAGS})
    endif()
endif()

# One test executable, registered with ctest. Under Windows ctest runs it through Wine
# (CMAKE_CROSSCOMPILING_EMULATOR of the toolchain file).
function(orvane_add_gtest name)
    if(NOT ORVANE_TESTS)
        return()
    endif()
    add_executable(${name} ${ARGN})
    orvane_warnings(${name})
    if(ORVANE_SANITIZED_TESTS)
        target_link_libraries(${name} PRIVATE orvane_core_sanitized gtest_main)
    else()
        target_link_libraries(${name} PRIVATE orvane_core gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()

# nlohmann/json is header-only: Debian installs it under /usr/include, which the cross compiler
# must not search as a whole, so the build exposes just that folder. Elsewhere its CMake package
# is used.
add_library(orvane_json INTERFACE)
if(EXISTS /usr/include/nlohmann/json.hpp)
    set(ORVANE_JSON_INCLUDE ${CMAKE_BINARY_DIR}/third_party/include)
    file(MAKE_DIRECTORY ${ORVANE_JSON_INCLUDE})
    file(CREATE_LINK /usr/include/nlohmann ${ORVANE_JSON_INCLUDE}/nlohmann SYMBOLIC)
    target_include_directories(orvane_json SYSTEM INTERFACE ${ORVANE_JSON_INCLUDE})
else()
    find_package(nlohmann_json 3 CONFIG REQUIRED)
    target_link_libraries(orvane_json INTERFACE nlohmann_json::nlohmann_json)
endif()
