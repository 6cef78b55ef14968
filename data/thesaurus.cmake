# The sample's thesaurus, Brevant.vlt, compiled by vlthes from Debian's
# mythes-en-us synonym lists; headwords limited to the system word list. The
# source does not fit the compact layout, so vlthes writes the wide one and
# keeps every headword.
if(NOT VX_WINDOWS)
  set(VX_MYTHES_SOURCE /usr/share/mythes/th_en_US_v2.dat CACHE FILEPATH "mythes thesaurus source")
  set(VX_THESAURUS_KNOWN_WORDS /usr/share/dict/american-english CACHE FILEPATH
      "Word list that headwords must be in (empty: no limit)")
  if(EXISTS ${VX_MYTHES_SOURCE})
    set(known_args)
    set(known_file)
    if(VX_THESAURUS_KNOWN_WORDS AND EXISTS ${VX_THESAURUS_KNOWN_WORDS})
      set(known_args --known ${VX_THESAURUS_KNOWN_WORDS})
      set(known_file ${VX_THESAURUS_KNOWN_WORDS})
    endif()
    add_custom_command(
      OUTPUT ${VX_DATA_DIR}/Brevant.vlt
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VX_DATA_DIR}
      COMMAND vlthes compile --name "American English" ${known_args} --max-list 16 --max-other 3
              ${VX_MYTHES_SOURCE} ${VX_DATA_DIR}/Brevant.vlt
      DEPENDS vlthes ${VX_MYTHES_SOURCE} ${known_file}
      COMMENT "Compiling the thesaurus Brevant.vlt"
      VERBATIM)
    add_custom_target(vx_thesaurus_data ALL DEPENDS ${VX_DATA_DIR}/Brevant.vlt)
  else()
    message(WARNING "${VX_MYTHES_SOURCE} is missing (package mythes-en-us): Brevant.vlt is not built")
  endif()
endif()
