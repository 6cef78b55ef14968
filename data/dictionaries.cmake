# The shipped main dictionaries, compiled from Debian's word lists (UTF-8,
# converted to Windows-1252; words the code page lacks are left out).
if(NOT VX_WINDOWS)
  set(vx_dictionaries
    "American.vlm|0x0409|American English|/usr/share/dict/american-english"
    "British.vlm|0x0809|British English|/usr/share/dict/british-english")
  set(vx_dictionary_outputs)
  foreach(entry ${vx_dictionaries})
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 file)
    list(GET fields 1 lang)
    list(GET fields 2 title)
    list(GET fields 3 source)
    if(NOT EXISTS ${source})
      message(WARNING "${source} is missing (./vx setup installs it); ${file} is not built")
      continue()
    endif()
    add_custom_command(
      OUTPUT ${VX_DATA_DIR}/${file}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VX_DATA_DIR}
      COMMAND vldict compile --utf8 --lang ${lang} --title "${title}" ${source} ${VX_DATA_DIR}/${file}
      DEPENDS vldict ${source}
      COMMENT "Compiling ${file}"
      VERBATIM)
    list(APPEND vx_dictionary_outputs ${VX_DATA_DIR}/${file})
  endforeach()
  add_custom_target(vx_data ALL DEPENDS ${vx_dictionary_outputs})

  # Tests and benchmarks read the compiled files from VX_DATA_DIR; they are
  # defined after this folder, so the dependencies are added at the end.
  function(vx_data_dependencies)
    set(dirs ${VX_ROOT}/bench)
    if(BUILD_TESTING)
      list(APPEND dirs ${VX_ROOT}/tests)
    endif()
    foreach(dir ${dirs})
      if(IS_DIRECTORY ${dir})
        get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target ${targets})
          get_target_property(type ${target} TYPE)
          if(type STREQUAL "EXECUTABLE")
            add_dependencies(${target} vx_data)
          endif()
        endforeach()
      endif()
    endforeach()
  endfunction()
  cmake_language(DEFER DIRECTORY ${VX_ROOT} CALL vx_data_dependencies)
endif()
