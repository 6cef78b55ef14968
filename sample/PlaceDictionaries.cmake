# Copies the compiled dictionary files FILES from FROM to TO (cmake -P); a
# file not compiled yet is reported, not an error, so that the Windows tree
# builds on its own.
file(MAKE_DIRECTORY ${TO})
foreach(name ${FILES})
  if(EXISTS ${FROM}/${name})
    file(COPY_FILE ${FROM}/${name} ${TO}/${name} ONLY_IF_DIFFERENT)
  else()
    message(STATUS "${FROM}/${name} is not compiled yet (./vx build compiles it); vxdemo runs without it")
  endif()
endforeach()
