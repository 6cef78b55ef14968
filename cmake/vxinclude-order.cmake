# Fails when a quoted include runs up the folder order, naming the file, the
# line and the arrow. Run as: cmake -DVX_ROOT=<tree> -P vxinclude-order.cmake
#
# The folders of source/ form a stack: a file includes headers of its own
# folder or of a folder below it, never above, so each layer builds and reads
# without the ones on top. sample/, tools/ and installer/ sit above all of
# source/, and so does source/capi, the C interface over the components.
# Folders on one level do not rank above each other.
cmake_minimum_required(VERSION 3.20)

set(vx_levels
  "platform"
  "framework"
  "parsing dictionaries configuration"
  "suggestions"
  "engine"
  "thesaurus"
  "dialogs"
  "editors"
  "sample tools installer capi")

# Arrows that may run up, as "<from> -> <to>: <header>"; none today. An entry
# here is a debt with a reason beside it, and the check says when it is paid.
set(vx_allowed)

if(NOT VX_ROOT)
  message(FATAL_ERROR "usage: cmake -DVX_ROOT=<tree> -P vxinclude-order.cmake")
endif()
get_filename_component(root "${VX_ROOT}" ABSOLUTE)

set(rank 0)
foreach(level IN LISTS vx_levels)
  string(REPLACE " " ";" folders "${level}")
  foreach(folder IN LISTS folders)
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The folder a file belongs to, or "" outside the ranked part of the tree.
function(vx_folder_of path out)
  file(RELATIVE_PATH rel "${root}" "${path}")
  if(rel MATCHES "^source/([^/]+)/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  elseif(rel MATCHES "^(sample|tools|installer)/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# Includes are by bare file name: the builds search every folder of source/
# and tools/lib. Index those headers by name.
file(GLOB folder_dirs LIST_DIRECTORIES true "${root}/source/*")
set(search_dirs "")
foreach(dir IN LISTS folder_dirs)
  if(IS_DIRECTORY "${dir}")
    list(APPEND search_dirs "${dir}")
  endif()
endforeach()
if(IS_DIRECTORY "${root}/tools/lib")
  list(APPEND search_dirs "${root}/tools/lib")
endif()
foreach(dir IN LISTS search_dirs)
  file(GLOB headers "${dir}/*.h" "${dir}/*.hpp")
  foreach(header IN LISTS headers)
    get_filename_component(name "${header}" NAME)
    string(MAKE_C_IDENTIFIER "${name}" key)
    list(APPEND found_${key} "${header}")
  endforeach()
endforeach()

set(patterns "")
foreach(top source sample tools installer)
  foreach(ext h hpp c cc cpp inl rc)
    list(APPEND patterns "${root}/${top}/*.${ext}")
  endforeach()
endforeach()
file(GLOB_RECURSE files ${patterns})
list(SORT files)

set(failures "")
set(used_allowed "")
set(include_re "(^|\n)[ \t]*#[ \t]*include[ \t]*\"[^\"\n]+\"")
foreach(file IN LISTS files)
  vx_folder_of("${file}" from)
  file(RELATIVE_PATH shown "${root}" "${file}")
  if(NOT DEFINED rank_${from})
    list(APPEND failures "${shown}: folder '${from}' has no place in the order (cmake/vxinclude-order.cmake)")
    continue()
  endif()
  get_filename_component(dir "${file}" DIRECTORY)
  file(READ "${file}" content)
  string(REGEX MATCHALL "${include_re}" matches "${content}")
  # Walk the matches in order to know each one's line.
  set(offset 0)
  set(line 1)
  foreach(match IN LISTS matches)
    string(SUBSTRING "${content}" ${offset} -1 rest)
    string(FIND "${rest}" "${match}" at)
    string(SUBSTRING "${rest}" 0 ${at} skipped)
    string(REGEX REPLACE "[^\n]" "" newlines "${skipped}")
    string(LENGTH "${newlines}" count)
    math(EXPR line "${line} + ${count}")
    if(match MATCHES "^\n")
      math(EXPR line "${line} + 1")
    endif()
    string(LENGTH "${match}" length)
    math(EXPR offset "${offset} + ${at} + ${length}")

    string(REGEX REPLACE "^.*\"([^\"]+)\"$" "\\1" included "${match}")
    get_filename_component(name "${included}" NAME)
    # As the compiler does: the including file's folder first, then the
    # search folders.
    set(target "")
    if(EXISTS "${dir}/${included}" AND NOT IS_DIRECTORY "${dir}/${included}")
      get_filename_component(target "${dir}/${included}" ABSOLUTE)
    elseif(NOT included MATCHES "/")
      string(MAKE_C_IDENTIFIER "${name}" key)
      list(LENGTH found_${key} candidates)
      if(candidates GREATER 1)
        list(APPEND failures "${shown}:${line}: ${name} is in more than one folder")
        continue()
      elseif(candidates EQUAL 1)
        set(target "${found_${key}}")
      endif()
    endif()
    if(target STREQUAL "")
      continue()  # a system or generated header
    endif()
    vx_folder_of("${target}" to)
    if(to STREQUAL "" OR to STREQUAL from)
      continue()
    endif()
    if(NOT DEFINED rank_${to})
      list(APPEND failures "${shown}:${line}: folder '${to}' has no place in the order (cmake/vxinclude-order.cmake)")
    elseif(rank_${to} GREATER rank_${from})
      set(arrow "${from} -> ${to}: ${name}")
      if(arrow IN_LIST vx_allowed)
        list(APPEND used_allowed "${arrow}")
      else()
        list(APPEND failures "${shown}:${line}: ${from} -> ${to} runs up (${name})")
      endif()
    endif()
  endforeach()
endforeach()

foreach(arrow IN LISTS vx_allowed)
  if(NOT arrow IN_LIST used_allowed)
    message(STATUS "allowed arrow no longer used, remove it: ${arrow}")
  endif()
endforeach()
list(LENGTH files checked)
list(LENGTH failures failed)
if(failed GREATER 0)
  foreach(failure IN LISTS failures)
    message("${failure}")
  endforeach()
  message(FATAL_ERROR "${failed} include(s) out of the folder order")
endif()
message(STATUS "${checked} files, every include points down")
