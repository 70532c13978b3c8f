# Build settings and helpers shared by every folder.

add_compile_options(-Wall -Wextra -Wpedantic -Wno-missing-field-initializers)

if(WIN32)
  set(TELVANA_WINDOWS ON)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # One statically linked program that needs nothing but system DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Sections start on page boundaries in the file as in memory. Windows maps an image's
  # sections either way; Wine maps them only when their file offsets are page-aligned, and
  # otherwise reads every section in whole at start: the program's 7 MB (FFmpeg's code, most
  # of which a start never runs) cost it 10 to 20 ms of every start there.
  add_link_options(LINKER:--file-alignment=0x1000)
  enable_language(RC)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
  # Tests run under Wine, each tree with its own prefix.
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tools/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
  # System DLLs that start-up does not need are loaded when first called.
  include(${CMAKE_CURRENT_LIST_DIR}/delay_load.cmake)
  telvana_delay_load(shell32 ole32 ws2_32 winmm bcrypt secur32 crypt32)
else()
  set(TELVANA_WINDOWS OFF)
endif()

if(TELVANA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TELVANA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# GoogleTest: Debian's sources, built for whichever target this tree is for.
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# telvana_test(NAME SOURCES... LIBS...): one test program, run by CTest (under Wine on Windows).
function(telvana_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  if(WIN32)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  endif()
endfunction()

# telvana_test_in_locale(NAME SUFFIX LOCALE): runs the Windows test program NAME once more,
# as test NAME_SUFFIX, under another Unix locale (and a Wine prefix made in it): C.UTF-8 is an
# English system with code page 1252, where the program's Chinese must show all the same.
function(telvana_test_in_locale name suffix locale)
  add_test(NAME ${name}_${suffix} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name}_${suffix} PROPERTIES TIMEOUT 300 ENVIRONMENT TELVANA_LOCALE=${locale})
endfunction()

# telvana_fuzz(NAME SOURCES... LIBS... [SEEDS_FROM TARGET]): a fuzz target over outside data
# and its corpus: fuzz/corpus/NAME in the sources (seeds written by hand, and every input that
# once found a fault) and fuzz_seeds/NAME in the build tree (seeds the build writes, by TARGET
# when given). In the fuzz tree it is a libFuzzer program that tools/fuzz.sh runs; in the
# other native trees the same harness is a test that feeds it every file of the corpus.
add_custom_target(telvana_fuzzers)
function(telvana_fuzz name)
  cmake_parse_arguments(F "" "SEEDS_FROM" "SOURCES;LIBS" ${ARGN})
  set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name} ${CMAKE_BINARY_DIR}/fuzz_seeds/${name})
  if(TELVANA_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
    add_dependencies(telvana_fuzzers ${name})
    # tools/fuzz.sh reads the seed folders from here.
    string(REPLACE ";" "\n" lines "${corpus}")
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzzers/${name}.seeds CONTENT "${lines}\n")
  else()
    set(name ${name}_replay)
    add_executable(${name} ${F_SOURCES} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name} ${corpus})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  endif()
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  if(F_SEEDS_FROM)
    add_dependencies(${name} ${F_SEEDS_FROM})
  endif()
endfunction()
