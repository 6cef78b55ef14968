# The sample application's resources: icons drawn as text pixel art in
# sample/icons, turned into .ico files at build time by vxicon (compiled here
# for the build machine) and compiled into the program by windres; and the
# rich-text files that the program loads from its own folder.

enable_language(RC)

set(VXDEMO_DATA_FILES
    ${CMAKE_CURRENT_LIST_DIR}/data/SpellText.rtf
    ${CMAKE_CURRENT_LIST_DIR}/data/ThesaurusText.rtf
    ${CMAKE_CURRENT_LIST_DIR}/data/LiveSpellingText.rtf)

# Tests of the sample's forms read the rich-text files where they are kept;
# under Wine the Linux root is drive Z:.
string(REPLACE "/" "\\\\" _vxdemo_data_dir "Z:${CMAKE_CURRENT_LIST_DIR}/data")
target_compile_definitions(vxsample INTERFACE VXDEMO_DATA_DIR="${_vxdemo_data_dir}")

# vxicon runs during the build, so it is built with the build machine's own
# compiler, not the cross compiler of this tree.
find_program(VXDEMO_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
set(_vxicon_source ${VX_ROOT}/tools/vxicon/vxicon.cpp)
set(_vxicon ${CMAKE_CURRENT_BINARY_DIR}/host/vxicon)
add_custom_command(
  OUTPUT ${_vxicon}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/host
  COMMAND ${VXDEMO_HOST_CXX} -std=c++17 -O1 -Wall -Wextra -o ${_vxicon} ${_vxicon_source}
  DEPENDS ${_vxicon_source}
  COMMENT "Building vxicon for the build machine"
  VERBATIM)

# Cached, so that the function below also works from other directories.
set(VXDEMO_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE INTERNAL "")
set(VXDEMO_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons CACHE INTERNAL "")
set(_vxdemo_icon_dir ${VXDEMO_ICON_DIR})
set(_icons "")
foreach(_icon vxdemo SpellCheck Thesaurus LiveSpelling OtherFeatures)
  set(_art ${CMAKE_CURRENT_LIST_DIR}/icons/${_icon}.txt)
  set(_ico ${_vxdemo_icon_dir}/${_icon}.ico)
  add_custom_command(
    OUTPUT ${_ico}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_vxdemo_icon_dir}
    COMMAND ${_vxicon} ${_art} ${_ico}
    DEPENDS ${_vxicon} ${_art}
    COMMENT "Drawing ${_icon}.ico"
    VERBATIM)
  list(APPEND _icons ${_ico})
endforeach()
set(VXDEMO_ICON_FILES "${_icons}" CACHE INTERNAL "")
add_custom_target(vxdemo_icons DEPENDS ${VXDEMO_ICON_FILES})

# Tests of the sample compare the icons with their pixel art.
add_dependencies(vxsample vxdemo_icons)
string(REPLACE "/" "\\\\" _vxdemo_icon_dir_on_target "Z:${VXDEMO_ICON_DIR}")
string(REPLACE "/" "\\\\" _vxdemo_art_dir_on_target "Z:${CMAKE_CURRENT_LIST_DIR}/icons")
target_compile_definitions(vxsample INTERFACE VXDEMO_ICON_DIR="${_vxdemo_icon_dir_on_target}"
                                              VXDEMO_ART_DIR="${_vxdemo_art_dir_on_target}")

# Compiles the icons into TARGET (the program, or a tool that shows them).
function(vxdemo_add_resources target)
  set(rc ${VXDEMO_SOURCE_DIR}/vxdemo.rc)
  target_sources(${target} PRIVATE ${rc})
  # Source properties belong to a directory: set them where TARGET is.
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
    OBJECT_DEPENDS "${VXDEMO_ICON_FILES};${VXDEMO_SOURCE_DIR}/vxdemoResources.h"
    INCLUDE_DIRECTORIES "${VXDEMO_ICON_DIR};${VXDEMO_SOURCE_DIR}")
  add_dependencies(${target} vxdemo_icons)
endfunction()
