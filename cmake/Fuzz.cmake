# libFuzzer targets, built only by the "fuzz" preset (clang, TONVEL_FUZZ=ON). That preset compiles the whole
# tree with coverage instrumentation (-fsanitize=fuzzer-no-link) and ASan + UBSan (TONVEL_SANITIZE); only
# the fuzz executables link libFuzzer's driver.
#
#   tonvel_fuzzer(name SOURCES ... [DEPS ...])
#
# makes the executable fuzz_<name>. Its seed corpus is fuzz/corpus/<name>/ and its optional dictionary
# fuzz/dict/<name>.dict. Every fuzzer is listed in ${CMAKE_BINARY_DIR}/fuzzers.txt (name, executable,
# corpus, dictionary), which tools/fuzz.sh reads, and the target "fuzzers" builds them all.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TONVEL_FUZZ needs clang (libFuzzer); use the \"fuzz\" preset")
endif()

add_custom_target(fuzzers)
set_property(GLOBAL PROPERTY TONVEL_FUZZERS "")

function(tonvel_fuzzer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    set(target fuzz_${name})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    # The fuzz targets are ours and always warning-free, whatever TONVEL_WERROR says for the tree.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    add_dependencies(fuzzers ${target})
    set(dict "")
    if(EXISTS ${PROJECT_SOURCE_DIR}/fuzz/dict/${name}.dict)
        set(dict ${PROJECT_SOURCE_DIR}/fuzz/dict/${name}.dict)
    endif()
    set_property(GLOBAL APPEND PROPERTY TONVEL_FUZZERS
                 "${name} $<TARGET_FILE:${target}> ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name} ${dict}")
endfunction()

# Writes the list of fuzzers; called once at the end of fuzz/CMakeLists.txt.
function(tonvel_write_fuzzer_list)
    get_property(lines GLOBAL PROPERTY TONVEL_FUZZERS)
    list(JOIN lines "\n" content)
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzzers.txt CONTENT "${content}\n")
endfunction()
