# Helpers shared by the subsystem CMakeLists files.
#
# vx_core_sources(files...)     portable core sources (native and Windows)
# vx_win_sources(files...)      Windows-only sources (dialogs, editors, _win units)
# vx_posix_sources(files...)    native-only sources (_posix units)
# vx_add_test(name SOURCES ... [WINDOWS] [NATIVE] [LIBS ...])
#                               one GoogleTest executable = one CTest test;
#                               labelled native or win32
# vx_add_tool(name SOURCES ... [LIBS ...])
# vx_add_fuzzer(name source)    libFuzzer target (VX_FUZZ builds) or a corpus
#                               replay driver otherwise

function(vx_append_property prop)
  foreach(f ${ARGN})
    get_filename_component(abs ${f} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY ${prop} ${abs})
  endforeach()
endfunction()

function(vx_core_sources)
  vx_append_property(VX_CORE_SOURCES ${ARGN})
endfunction()

function(vx_win_sources)
  if(VX_WINDOWS)
    vx_append_property(VX_WIN_SOURCES ${ARGN})
  endif()
endfunction()

function(vx_posix_sources)
  if(NOT VX_WINDOWS)
    vx_append_property(VX_CORE_SOURCES ${ARGN})
  endif()
endfunction()

# Windows side of a portable unit (File_win.cpp beside File.cpp): part of
# the core library in the Windows build.
function(vx_core_win_sources)
  if(VX_WINDOWS)
    vx_append_property(VX_CORE_SOURCES ${ARGN})
  endif()
endfunction()

# The data folder as the built programs see it: under Wine the Linux root is
# drive Z:.
if(VX_WINDOWS)
  string(REPLACE "/" "\\\\" VX_DATA_DIR_FOR_TARGET "Z:${VX_DATA_DIR}")
else()
  set(VX_DATA_DIR_FOR_TARGET "${VX_DATA_DIR}")
endif()

set(VX_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

function(vx_configure_core target)
  target_include_directories(${target} PUBLIC
    ${VX_ROOT}/source/framework ${VX_ROOT}/source/platform ${VX_ROOT}/source/engine
    ${VX_ROOT}/source/parsing ${VX_ROOT}/source/dictionaries ${VX_ROOT}/source/suggestions
    ${VX_ROOT}/source/configuration ${VX_ROOT}/source/thesaurus ${VX_ROOT}/source/dialogs
    ${VX_ROOT}/source/editors ${VX_ROOT}/tools/lib)
  target_compile_options(${target} PRIVATE ${VX_WARNINGS})
endfunction()

function(vx_make_core_libraries)
  get_property(srcs GLOBAL PROPERTY VX_CORE_SOURCES)
  add_library(vl3core STATIC ${srcs})
  vx_configure_core(vl3core)
  if(VX_WINDOWS)
    target_link_libraries(vl3core PUBLIC shlwapi advapi32 version user32 gdi32 shell32 ole32 comctl32 comdlg32)
    target_compile_definitions(vl3core PUBLIC WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX)
  else()
    add_library(vl3core_san STATIC ${srcs})
    vx_configure_core(vl3core_san)
    target_compile_options(vl3core_san PUBLIC ${VX_SANITIZE} -O1 -g)
    target_link_options(vl3core_san PUBLIC ${VX_SANITIZE})
    if(VX_FUZZ)
      target_compile_options(vl3core_san PUBLIC -fsanitize=fuzzer-no-link)
    endif()
  endif()
endfunction()

function(vx_make_windows_library)
  get_property(srcs GLOBAL PROPERTY VX_WIN_SOURCES)
  if(NOT srcs)
    return()
  endif()
  add_library(vl3win STATIC ${srcs})
  vx_configure_core(vl3win)
  target_link_libraries(vl3win PUBLIC vl3core)
endfunction()

# The library a test links: sanitized natively, plain under MinGW.
function(vx_test_core_library out)
  if(VX_WINDOWS)
    if(TARGET vl3win)
      set(${out} vl3win vl3core PARENT_SCOPE)
    else()
      set(${out} vl3core PARENT_SCOPE)
    endif()
  else()
    set(${out} vl3core_san PARENT_SCOPE)
  endif()
endfunction()

function(vx_setup_gtest)
  if(VX_WINDOWS)
    # Debian's libgtest-dev ships the sources; build them with MinGW.
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
endfunction()

function(vx_add_test name)
  cmake_parse_arguments(T "WINDOWS;NATIVE" "" "SOURCES;LIBS" ${ARGN})
  if(T_WINDOWS AND NOT VX_WINDOWS)
    return()
  endif()
  if(T_NATIVE AND VX_WINDOWS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  vx_test_core_library(core)
  target_compile_options(${name} PRIVATE ${VX_WARNINGS})
  target_include_directories(${name} PRIVATE ${VX_ROOT}/tests/support)
  if(VX_WINDOWS)
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${core} gtest gtest_main)
    set(label win32)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${core} GTest::gtest GTest::gtest_main)
    set(label native)
  endif()
  target_compile_definitions(${name} PRIVATE VX_DATA_DIR="${VX_DATA_DIR_FOR_TARGET}")
  add_test(NAME ${label}.${name} COMMAND ${name})
  set_tests_properties(${label}.${name} PROPERTIES LABELS ${label} TIMEOUT 600)
endfunction()

function(vx_add_tool name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_compile_options(${name} PRIVATE ${VX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} vl3core)
endfunction()

# A fuzz target defines LLVMFuzzerTestOneInput. With VX_FUZZ (clang) it is
# linked with libFuzzer; otherwise with a driver that replays files given on
# the command line, so the target itself always compiles.
function(vx_add_fuzzer name source)
  if(VX_WINDOWS)
    return()
  endif()
  if(VX_FUZZ)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -g)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE vl3core_san)
  else()
    add_executable(${name} ${source} ${VX_ROOT}/tests/fuzz/replay_main.cpp)
    target_link_libraries(${name} PRIVATE vl3core_san)
  endif()
endfunction()
