# Copies the compiled dictionary files FILES from FROM to TO (cmake -P); a
# file not compiled yet is reported, not an error, so that the Windows tree
# builds on its own. Every other main dictionary and thesaurus compiled into
# FROM (./vx dictionaries builds those of the other languages) goes along.
file(MAKE_DIRECTORY ${TO})
file(GLOB built RELATIVE ${FROM} ${FROM}/*.vlm ${FROM}/*.vlt)
list(APPEND FILES ${built})
list(REMOVE_DUPLICATES FILES)
foreach(name ${FILES})
  if(EXISTS ${FROM}/${name})
    file(COPY_FILE ${FROM}/${name} ${TO}/${name} ONLY_IF_DIFFERENT)
  else()
    message(STATUS "${FROM}/${name} is not compiled yet (./vx build compiles it); vxdemo runs without it")
  endif()
endforeach()
