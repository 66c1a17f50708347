# Build helpers shared by every folder of the project.

if(WIN32)
    set(TONVEL_WINDOWS ON)
else()
    set(TONVEL_WINDOWS OFF)
endif()
# Both Windows builds run here under wine, in a 64-bit prefix as on 64-bit Windows: the x86_64 build as
# 64-bit processes (ctest label "wine"), the i686 release build as 32-bit processes under WOW64 (label
# "wow64"; needs the wine32:i386 package beside wine64). TONVEL_WINE_LABEL is the build's label.
if(TONVEL_WINDOWS)
    set(TONVEL_RUN_WINE ON)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(TONVEL_WINE_LABEL wine)
    else()
        set(TONVEL_WINE_LABEL wow64)
    endif()
else()
    set(TONVEL_RUN_WINE OFF)
    set(TONVEL_WINE_LABEL "")
endif()

# Warnings for our own targets (third-party code keeps its own flags).
function(tonvel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(TONVEL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(TONVEL_WINDOWS)
        target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                     _WIN32_WINNT=0x0601)
    endif()
endfunction()

if(TONVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# A static library of ours: tonvel_library(name SOURCES ... [DEPS ...])
function(tonvel_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    tonvel_warnings(${name})
endfunction()

# GoogleTest: Debian's package on Linux; for the Windows builds the same package's sources, built with the
# cross compiler.
if(TONVEL_WINDOWS)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()

set(TONVEL_WINE_RUN ${PROJECT_SOURCE_DIR}/tools/wine/run.sh)
set(TONVEL_WINE_STATE ${CMAKE_BINARY_DIR}/wine)

# Native test executable, label "native":
#   tonvel_native_test(name SOURCES ... [DEPS ...])
function(tonvel_native_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    if(TONVEL_WINDOWS)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    tonvel_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS native)
endfunction()

# Windows test executable run under wine, label "wine" in the x86_64 build and "wow64" in the i686 build
# (and "e2e" too with E2E):
#   tonvel_wine_test(name SOURCES ... [DEPS ...] [E2E] [GUI])
# Built and registered in both Windows builds.
function(tonvel_wine_test name)
    cmake_parse_arguments(ARG "E2E;GUI" "" "SOURCES;DEPS" ${ARGN})
    if(NOT TONVEL_WINDOWS)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    tonvel_warnings(${name})
    if(TONVEL_RUN_WINE)
        tonvel_wine_command(${name} $<TARGET_FILE:${name}>)
        if(ARG_E2E)
            set_tests_properties(${name} PROPERTIES LABELS "${TONVEL_WINE_LABEL};e2e")
        endif()
    endif()
endfunction()

# Registers any command that runs a Windows program under the shared wine prefix:
#   tonvel_wine_command(test-name program.exe [args...])
function(tonvel_wine_command name)
    add_test(NAME ${name} COMMAND ${TONVEL_WINE_RUN} ${TONVEL_WINE_STATE} ${ARGN})
    set_tests_properties(${name} PROPERTIES LABELS ${TONVEL_WINE_LABEL} FIXTURES_REQUIRED wine_prefix
                                            RESOURCE_LOCK wine)
endfunction()
