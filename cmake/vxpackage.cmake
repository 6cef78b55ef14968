# What `cmake --install` lays out for an application developer, and the CMake
# package that lets an application say
#   find_package(Vexlor 3 CONFIG REQUIRED)
#   target_link_libraries(app PRIVATE Vexlor::Vexlor)
#
#   include/Vexlor/          the public headers and what they include, in one folder
#   lib/                     the static libraries
#   lib/cmake/Vexlor/        VexlorConfig.cmake, VexlorConfigVersion.cmake
#   Dictionaries/            (Windows) every .vlm and .vlt in the build's data folder
#   share/vexlor/            (native) the same files
#   bin/, share/man/man1/    (native) vxspell, vldict, vlthes and their manual pages
#
# Another component joins the package through vx_package_component() at the
# end of this file: its library, its headers and its imported target.
include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

set(VX_PACKAGE_INCLUDE_DIR include/Vexlor)
set(VX_PACKAGE_LIB_DIR lib)
set(VX_PACKAGE_CMAKE_DIR lib/cmake/Vexlor)
if(VX_WINDOWS)
  set(VX_PACKAGE_DATA_DIR Dictionaries)
else()
  set(VX_PACKAGE_DATA_DIR share/vexlor)
endif()

# The headers an application includes (cmake/public-headers.txt; ./vx docs
# documents the same list). Everything they include is installed beside
# them (found below), so one include folder is enough. The Windows ones add
# the suite's form and controls for hosting the live-spelling editor.
file(STRINGS ${VX_ROOT}/cmake/public-headers.txt header_lines REGEX "^[^#]")
set(VX_PUBLIC_HEADERS)
set(VX_PUBLIC_WIN_HEADERS source/framework/vl3Application_win.h source/framework/vl3Form_win.h
    source/framework/vl3SimpleControls_win.h)
foreach(line ${header_lines})
  string(REGEX MATCH "^[^ ]+" header "${line}")
  if(line MATCHES " windows$")
    list(APPEND VX_PUBLIC_WIN_HEADERS ${header})
  else()
    list(APPEND VX_PUBLIC_HEADERS ${header})
  endif()
endforeach()

# The headers given (relative to the top) and every header of ours that they
# include, directly or not, as absolute paths.
function(vx_header_closure out)
  file(GLOB all_headers ${VX_ROOT}/source/*/*.h ${VX_ROOT}/tools/lib/*.h)
  set(pending)
  foreach(h ${ARGN})
    list(APPEND pending ${VX_ROOT}/${h})
  endforeach()
  set(done)
  while(pending)
    list(POP_FRONT pending header)
    if(header IN_LIST done)
      continue()
    endif()
    list(APPEND done ${header})
    file(STRINGS ${header} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" name "${line}")
      foreach(candidate ${all_headers})
        get_filename_component(candidateName ${candidate} NAME)
        if(candidateName STREQUAL name)
          list(APPEND pending ${candidate})
        endif()
      endforeach()
    endforeach()
  endwhile()
  list(SORT done)
  set(${out} ${done} PARENT_SCOPE)
endfunction()

# ---- The suite ---------------------------------------------------------------
set(public ${VX_PUBLIC_HEADERS})
if(VX_WINDOWS)
  list(APPEND public ${VX_PUBLIC_WIN_HEADERS})
endif()
vx_header_closure(installed_headers ${public})
install(FILES ${installed_headers} DESTINATION ${VX_PACKAGE_INCLUDE_DIR})

install(TARGETS vl3core ARCHIVE DESTINATION ${VX_PACKAGE_LIB_DIR})
if(TARGET vl3win)
  install(TARGETS vl3win ARCHIVE DESTINATION ${VX_PACKAGE_LIB_DIR})
endif()

# Every compiled language of the data folder at install time, so that
# languages built later by ./vx dictionaries are carried too.
install(CODE "
  file(GLOB vx_data_files \"${VX_DATA_DIR}/*.vlm\" \"${VX_DATA_DIR}/*.vlt\")
  file(INSTALL \${vx_data_files} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${VX_PACKAGE_DATA_DIR}\")
")

if(NOT VX_WINDOWS)
  foreach(tool vxspell vldict vlthes)
    if(TARGET ${tool})
      install(TARGETS ${tool} RUNTIME DESTINATION bin)
    endif()
  endforeach()
  file(GLOB man_pages ${VX_ROOT}/man/*.1)
  install(FILES ${man_pages} DESTINATION share/man/man1)
endif()

# ---- The CMake package ---------------------------------------------------------
# The system libraries of the Windows build, in the order the linker needs.
set(VX_PACKAGE_SYSTEM_LIBS "")
if(VX_WINDOWS)
  set(VX_PACKAGE_SYSTEM_LIBS shlwapi advapi32 version user32 gdi32 shell32 ole32 comctl32 comdlg32)
endif()
configure_package_config_file(${VX_ROOT}/cmake/VexlorConfig.cmake.in
  ${CMAKE_BINARY_DIR}/package/VexlorConfig.cmake
  INSTALL_DESTINATION ${VX_PACKAGE_CMAKE_DIR}
  PATH_VARS VX_PACKAGE_INCLUDE_DIR VX_PACKAGE_LIB_DIR VX_PACKAGE_DATA_DIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/VexlorConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/VexlorConfig.cmake
  ${CMAKE_BINARY_DIR}/package/VexlorConfigVersion.cmake
  DESTINATION ${VX_PACKAGE_CMAKE_DIR})

# ---- Further components ----------------------------------------------------------
# vx_package_component(TARGET lib [HEADERS top-relative headers...])
# installs a component's library (static or shared: a DLL goes to bin/, its
# import library to lib/) and its headers (with what they include) into the
# package. Its imported target is declared in VexlorConfig.cmake.in, in the
# block for further components.
function(vx_package_component)
  cmake_parse_arguments(C "" "TARGET" "HEADERS" ${ARGN})
  install(TARGETS ${C_TARGET}
    ARCHIVE DESTINATION ${VX_PACKAGE_LIB_DIR}
    LIBRARY DESTINATION ${VX_PACKAGE_LIB_DIR}
    RUNTIME DESTINATION bin)
  if(C_HEADERS)
    vx_header_closure(headers ${C_HEADERS})
    install(FILES ${headers} DESTINATION ${VX_PACKAGE_INCLUDE_DIR})
  endif()
endfunction()

# The C interface DLL, for programs of other compilers (Vexlor::CApi).
if(TARGET vl3capi)
  vx_package_component(TARGET vl3capi HEADERS source/capi/vl3CApi.h)
endif()

# ---- Tests of the package ------------------------------------------------------
# The examples are built against an installed copy of this build only, and
# the README's guide is checked against the code regions it quotes.
if(BUILD_TESTING AND NOT VX_FUZZ)
  if(VX_WINDOWS)
    add_executable(vxexample_driver ${VX_ROOT}/examples/test/vxexample_driver.cpp)
    target_compile_options(vxexample_driver PRIVATE ${VX_WARNINGS})
    add_test(NAME win32.package_examples
      COMMAND bash ${VX_ROOT}/examples/test/package-test.sh windows ${CMAKE_BINARY_DIR}
              ${CMAKE_TOOLCHAIN_FILE} $<TARGET_FILE:vxexample_driver> ${VX_ROOT}/cmake/vxwine)
    set_tests_properties(win32.package_examples PROPERTIES LABELS win32 TIMEOUT 400)
  else()
    add_test(NAME native.package_core
      COMMAND bash ${VX_ROOT}/examples/test/package-test.sh native ${CMAKE_BINARY_DIR})
    add_test(NAME native.readme_guide
      COMMAND bash ${VX_ROOT}/examples/test/guide-check.sh ${VX_ROOT})
    set_tests_properties(native.package_core native.readme_guide PROPERTIES LABELS native TIMEOUT 600)
    # Where Doxygen is installed (./vx docs installs it), the reference
    # builds without a warning: every public class and operation says what
    # it is for.
    find_program(VX_DOXYGEN doxygen)
    if(VX_DOXYGEN)
      add_test(NAME native.reference_docs
        COMMAND bash ${VX_ROOT}/docs/reference.sh ${CMAKE_BINARY_DIR}/reference)
      set_tests_properties(native.reference_docs PROPERTIES LABELS native TIMEOUT 600)
    endif()
  endif()
endif()
