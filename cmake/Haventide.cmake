# Build rules shared by every folder. See the top-level CMakeLists.txt for
# the three build kinds.

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(HVT_KIND STREQUAL "native")
  set(HVT_NATIVE TRUE)
  set(HVT_WIN32 FALSE)
elseif(HVT_KIND STREQUAL "ship" OR HVT_KIND STREQUAL "wintest")
  set(HVT_NATIVE FALSE)
  set(HVT_WIN32 TRUE)
  if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows")
    message(FATAL_ERROR "HVT_KIND=${HVT_KIND} needs a MinGW toolchain file")
  endif()
  enable_language(RC)
else()
  message(FATAL_ERROR "unknown HVT_KIND '${HVT_KIND}'")
endif()
if(HVT_KIND STREQUAL "ship")
  set(HVT_SHIP TRUE)
else()
  set(HVT_SHIP FALSE)
endif()
if(HVT_KIND STREQUAL "wintest")
  set(HVT_WINTEST TRUE)
else()
  set(HVT_WINTEST FALSE)
endif()

add_compile_options(-Wall -Wextra)

# Retail Windows 95 has CRTDLL.DLL, not the MSVCRT.DLL that the compiler's
# driver links by default: a copy of the driver's specs with the one library
# exchanged, used by every link of the ship kind.
macro(hvt_crtdll_specs)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpspecs
                  OUTPUT_VARIABLE driver_specs RESULT_VARIABLE specs_failed)
  string(FIND "${driver_specs}" "-lmsvcrt" msvcrt_at)
  if(specs_failed OR msvcrt_at EQUAL -1)
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} -dumpspecs names no -lmsvcrt to exchange")
  endif()
  string(REPLACE "-lmsvcrt" "-lcrtdll" driver_specs "${driver_specs}")
  set(HVT_CRTDLL_SPECS ${CMAKE_BINARY_DIR}/crtdll.specs)
  file(WRITE ${HVT_CRTDLL_SPECS} "${driver_specs}")
  add_link_options(-specs=${HVT_CRTDLL_SPECS})
endmacro()

if(HVT_NATIVE)
  # Line tables (-g1) are all the sanitizers' reports need to name file and
  # line; full debug information would add a third to the compile time.
  add_compile_options(-O1 -fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g1)
  add_link_options(-fsanitize=address,undefined)
else()
  add_compile_definitions(WINVER=0x0400 _WIN32_WINDOWS=0x0400 NOMINMAX STRICT)
  if(HVT_KIND STREQUAL "ship")
    # Keep the headers to what Windows 95 and its COMCTL32 4.00 offer
    # (MinGW's headers default to the newest system and controls).
    add_compile_definitions(_WIN32_WINNT=0x0400 _WIN32_IE=0x0200)
    add_compile_options(-Os)
  else()
    # The tests may use what Wine offers beyond Windows 95.
    add_compile_definitions(_WIN32_IE=0x0300)
    add_compile_options(-O1)
  endif()
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Programs, DLLs and tests side by side: a test finds what it drives
  # (and the UI driver its agent DLL) in its own folder.
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(HVT_KIND STREQUAL "ship")
    # Small: no exceptions or RTTI (win95rt/ replaces the library's
    # throwing paths), no unwind tables (nothing unwinds), and every unused
    # function and datum dropped.
    add_compile_options(-fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                        -fno-unwind-tables -ffunction-sections -fdata-sections)
    add_link_options(-s -Wl,--gc-sections)
    hvt_crtdll_specs()
  endif()
endif()

# GoogleTest from Debian's source package, built with our own flags.
macro(hvt_need_gtest)
  if(NOT TARGET gtest)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(HVT_NATIVE)
      # The sanitizers are for our code: GoogleTest itself compiles without
      # them, in a fifth of the time.
      foreach(library gtest gtest_main)
        get_target_property(options ${library} COMPILE_OPTIONS)
        list(FILTER options EXCLUDE REGEX "sanitize")
        set_target_properties(${library} PROPERTIES COMPILE_OPTIONS "${options}")
      endforeach()
    endif()
  endif()
endmacro()

# The headers every test compiles, precompiled once for all of them
# (GoogleTest, and windows.h in the Win32 kinds, take half of a test file's
# compile time).
macro(hvt_need_test_header)
  if(NOT TARGET hvt_test_header)
    file(WRITE ${CMAKE_BINARY_DIR}/test_header.cpp "")
    add_library(hvt_test_header OBJECT ${CMAKE_BINARY_DIR}/test_header.cpp)
    target_link_libraries(hvt_test_header PRIVATE gtest)
    if(HVT_WIN32)
      set(platform_header <windows.h>)
    else()
      set(platform_header "")
    endif()
    target_precompile_headers(hvt_test_header PRIVATE
      ${platform_header} <gtest/gtest.h> <string> <vector> <functional>)
    hvt_test_code_options(hvt_test_header)
  endif()
endmacro()

# The native tests' own code compiles unoptimised: the sanitizers' checks in
# GoogleTest's expansions take a third less time to compile at -O0, and the
# code under test keeps -O1 (and the warnings that need it) in its libraries.
function(hvt_test_code_options target)
  if(HVT_NATIVE)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

# In the test kinds, every C++ library and program of ours under dir
# compiles windows.h and the common containers precompiled once, as the tests
# do: the header is most of a source file's compile time. The ship kind
# compiles each file as written, which keeps every file's own includes
# honest.
function(hvt_precompile_platform_header dir)
  if(NOT HVT_WINTEST)
    return()
  endif()
  if(NOT TARGET hvt_platform_header)
    file(WRITE ${CMAKE_BINARY_DIR}/platform_header.cpp "")
    add_library(hvt_platform_header OBJECT ${CMAKE_BINARY_DIR}/platform_header.cpp)
    target_precompile_headers(hvt_platform_header PRIVATE <windows.h> <string> <vector>)
  endif()
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(sources ${target} SOURCES)
    get_target_property(own ${target} PRECOMPILE_HEADERS)
    get_target_property(reused ${target} PRECOMPILE_HEADERS_REUSE_FROM)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$" AND NOT own AND NOT reused
       AND NOT sources MATCHES "\\.c(;|$)")
      target_precompile_headers(${target} REUSE_FROM hvt_platform_header)
    endif()
  endforeach()
  get_property(folders DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(folder IN LISTS folders)
    string(FIND "${folder}" "${PROJECT_SOURCE_DIR}/" ours)
    if(ours EQUAL 0)
      hvt_precompile_platform_header(${folder})
    endif()
  endforeach()
endfunction()

# A 32-bit Windows GUI program: subsystem 4.0 so Windows 95 loads it.
function(hvt_windows_program target)
  add_executable(${target} WIN32 ${ARGN})
  hvt_windows95_binary(${target})
  # A program is loaded at its own base first of all: the relocations only
  # a DLL needs would add a few kilobytes.
  if(HVT_SHIP)
    target_link_options(${target} PRIVATE -Wl,--disable-reloc-section)
  endif()
endfunction()

# A 32-bit Windows DLL with the same subsystem version.
function(hvt_windows_dll target)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "")
  hvt_windows95_binary(${target})
endfunction()

# Both kinds of binary: the subsystem version, and in the ship kind the
# runtime of win95rt/.
function(hvt_windows95_binary target)
  target_link_options(${target} PRIVATE
    -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
  if(HVT_SHIP)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:win95rt>)
  endif()
endfunction()

# hvt_native_test(name SOURCES ... LIBS ...): GoogleTest on the host, under
# the sanitizers.
function(hvt_native_test name)
  if(NOT HVT_NATIVE)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  hvt_need_gtest()
  hvt_need_test_header()
  add_executable(${name} ${T_SOURCES})
  hvt_test_code_options(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  target_precompile_headers(${name} REUSE_FROM hvt_test_header)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS native TIMEOUT 120)
endfunction()

# hvt_win32_test(name [E2E] SOURCES ... LIBS ... [TIMEOUT s] [CORE filter]): GoogleTest
# cross-built and run under Wine. E2E tests drive the programs in
# HVT_E2E_PROGRAM_DIR (the ship build's, in the i686 tree), else the tree's
# own build of them.
set(HVT_SHIP_DIR "" CACHE PATH "build folder of the ship kind")
set(HVT_E2E_PROGRAM_DIR "" CACHE PATH "folder of the programs the end-to-end tests drive")
# How many times the tests' deadlines are stretched (the ctest timeouts
# here, the UI driver's waits through HVT_TIME_FACTOR): the tree of a
# route that runs in a software-emulated VM waits longer.
set(HVT_TIME_FACTOR 1 CACHE STRING "factor of every test deadline")
function(hvt_win32_test name)
  if(NOT HVT_WINTEST)
    return()
  endif()
  cmake_parse_arguments(T "E2E" "TIMEOUT;CORE" "SOURCES;LIBS" ${ARGN})
  # A few times the program's usual time, so that a hang costs a minute:
  # every Win32 test program takes seconds; an end-to-end one names its own.
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 60)
  endif()
  hvt_need_gtest()
  hvt_need_test_header()
  if(NOT TARGET hvt_win32_test_main)
    add_library(hvt_win32_test_main OBJECT ${PROJECT_SOURCE_DIR}/tests/win32_main/win32_test_main.cpp)
    target_link_libraries(hvt_win32_test_main PRIVATE gtest)
  endif()
  add_executable(${name} ${T_SOURCES} $<TARGET_OBJECTS:hvt_win32_test_main>)
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest)
  target_precompile_headers(${name} REUSE_FROM hvt_test_header)
  add_test(NAME ${name} COMMAND ${name})
  math(EXPR T_TIMEOUT "${T_TIMEOUT} * ${HVT_TIME_FACTOR}")
  set(environment "HVT_SHIP_DIR=${HVT_SHIP_DIR};HVT_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  list(APPEND environment "HVT_TIME_FACTOR=${HVT_TIME_FACTOR}")
  if(T_E2E)
    set(label e2e)
    # Installation Disk 1 made from the programs under test (scripts/test.sh).
    list(APPEND environment "HVT_E2E_DISK=${CMAKE_BINARY_DIR}/e2e-disk/DISK1")
    if(HVT_E2E_PROGRAM_DIR)
      list(APPEND environment "HVT_PROGRAM_DIR=${HVT_E2E_PROGRAM_DIR}")
    endif()
  else()
    set(label win32)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS ${label} TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "${environment}")
  # The most telling of an end-to-end program's tests (a GoogleTest filter),
  # as a test of its own labelled core: what the i686 route runs in the
  # software-emulated VM when there is no time for all of them.
  if(T_CORE)
    add_test(NAME ${name}_core COMMAND ${name} --gtest_filter=${T_CORE})
    set_tests_properties(${name}_core PROPERTIES LABELS core TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT "${environment}")
  endif()
endfunction()

# hvt_fuzz_target(name SOURCES ... [INCLUDES ...] [SECONDS s] [MAX_LEN n]
#                 [ARTIFACTS dir] [SEEDS dir...]): a libFuzzer program built
# with clang (named name + "er", e.g. szdd_fuzzer) under the sanitizers, and
# a native test that runs it for a bounded time over a corpus of its own and
# the seeds; what it finds goes into ARTIFACTS (the build tree by default).
# Without clang there is neither.
function(hvt_fuzz_target name)
  if(NOT HVT_NATIVE)
    return()
  endif()
  cmake_parse_arguments(F "" "SECONDS;MAX_LEN;ARTIFACTS" "SOURCES;INCLUDES;SEEDS" ${ARGN})
  find_program(HVT_CLANGXX clang++)
  if(NOT HVT_CLANGXX)
    message(STATUS "clang++ not found: the fuzz target ${name} is not built")
    return()
  endif()
  set(program ${CMAKE_CURRENT_BINARY_DIR}/${name}er)
  set(includes "")
  foreach(folder ${F_INCLUDES})
    list(APPEND includes -I${folder})
  endforeach()
  add_custom_command(OUTPUT ${program}
    COMMAND ${HVT_CLANGXX} -std=c++17 -g -O1 -Wall -Wextra
            -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
            -MD -MF ${program}.d ${includes} ${F_SOURCES} -o ${program}
    DEPENDS ${F_SOURCES}
    DEPFILE ${program}.d
    COMMENT "Building the fuzz target ${name} with clang")
  add_custom_target(${name} ALL DEPENDS ${program})
  if(NOT F_SECONDS)
    set(F_SECONDS 10)
  endif()
  if(NOT F_MAX_LEN)
    set(F_MAX_LEN 4096)
  endif()
  if(NOT F_ARTIFACTS)
    set(F_ARTIFACTS ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  add_test(NAME ${name}
    COMMAND ${program} -max_total_time=${F_SECONDS} -max_len=${F_MAX_LEN} -rss_limit_mb=2048
            -print_final_stats=0 -artifact_prefix=${F_ARTIFACTS}/crash-
            ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus ${F_SEEDS})
  set_tests_properties(${name} PROPERTIES LABELS native TIMEOUT 120)
endfunction()
