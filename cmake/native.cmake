# Native build: the platform-free logic with its GoogleTest unit tests,
# optionally under sanitizers (ZANTO_SANITIZE=ON) and with libFuzzer targets (ZANTO_FUZZ=ON, clang).
option(ZANTO_SANITIZE "build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZANTO_FUZZ "build the libFuzzer targets (needs clang)" OFF)
add_compile_definitions(ZANTO_GAME_SERVER="127.0.0.1")
if(ZANTO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

if(ZANTO_FUZZ)
  # libFuzzer targets, tests/fuzz/<name>_fuzz.cpp, each linked with the logic
  # built for fuzzing. clang makes no CP932 string constants of its own
  # (-fexec-charset knows only UTF-8), so it compiles copies of the sources in
  # which every non-ASCII character is written as CP932 octal escapes: the
  # constants are then byte for byte those of the programs.
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZANTO_FUZZ=ON needs clang++ (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  get_property(dir_opts DIRECTORY PROPERTY COMPILE_OPTIONS)
  list(FILTER dir_opts EXCLUDE REGEX "^-f(input|exec)-charset=")
  set_property(DIRECTORY PROPERTY COMPILE_OPTIONS ${dir_opts})
  set(cp932_script ${CMAKE_SOURCE_DIR}/tests/fuzz/cp932_literals.py)
  function(zanto_cp932_copy src out_var)
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${src})
    set(out ${CMAKE_BINARY_DIR}/cp932/${rel})
    add_custom_command(OUTPUT ${out}
                       COMMAND Python3::Interpreter ${cp932_script} ${src} ${out}
                       DEPENDS ${src} ${cp932_script} VERBATIM)
    set(${out_var} ${out} PARENT_SCOPE)
  endfunction()
  set(fuzz_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1)
  set(logic_copies)
  foreach(src ${ZANTO_LOGIC_SOURCES})
    zanto_cp932_copy(${src} copy)
    list(APPEND logic_copies ${copy})
  endforeach()
  add_library(zlogic STATIC ${logic_copies})
  target_compile_options(zlogic PRIVATE ${fuzz_flags} -fsanitize=fuzzer-no-link)
  file(GLOB fuzzers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
  foreach(f ${fuzzers})
    get_filename_component(fname ${f} NAME_WE)
    zanto_cp932_copy(${f} copy)
    add_executable(${fname} ${copy})
    target_include_directories(${fname} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
    target_compile_options(${fname} PRIVATE ${fuzz_flags} -fsanitize=fuzzer)
    target_link_options(${fname} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${fname} PRIVATE zlogic)
  endforeach()
  return()
endif()

add_library(zlogic STATIC ${ZANTO_LOGIC_SOURCES})

enable_testing()
find_package(GTest REQUIRED)
file(GLOB unit_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*_test.cpp)
add_executable(unit_tests ${unit_tests})
target_link_libraries(unit_tests PRIVATE zlogic GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
