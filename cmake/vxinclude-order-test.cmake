# Shows that vxinclude-order.cmake passes a tree whose includes point down and
# fails, naming file, line and arrow, on each kind of include that runs up.
# Run as: cmake -DVX_WORK=<scratch folder> -P vxinclude-order-test.cmake
cmake_minimum_required(VERSION 3.20)

if(NOT VX_WORK)
  message(FATAL_ERROR "usage: cmake -DVX_WORK=<scratch folder> -P vxinclude-order-test.cmake")
endif()
set(checker "${CMAKE_CURRENT_LIST_DIR}/vxinclude-order.cmake")
set(tree "${VX_WORK}/tree")

# Runs the checker on the tree; out is its whole output, rc its exit code.
function(vx_run_checker rc out)
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DVX_ROOT=${tree}" -P "${checker}"
                  RESULT_VARIABLE code OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  set(${rc} "${code}" PARENT_SCOPE)
  set(${out} "${stdout}${stderr}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${tree}")
file(WRITE "${tree}/source/platform/vlBase.h" "#pragma once\n#include <string>\n")
file(WRITE "${tree}/source/framework/vlList.h" "#pragma once\n#include \"vlBase.h\"\n")
file(WRITE "${tree}/source/parsing/vlParse.h" "#pragma once\n#include \"vlList.h\"\n")
# One level: neither ranks above the other.
file(WRITE "${tree}/source/dictionaries/vlDict.h" "#pragma once\n#include \"vlParse.h\"\n")
file(WRITE "${tree}/source/engine/vlEngine.cpp"
  "// \"vlDialog.h\" in a comment is no include\n#include \"vlDict.h\"\n#include \"../platform/vlBase.h\"\n")
file(WRITE "${tree}/source/dialogs/vlDialog.h" "#pragma once\n#include \"vlEngine.h\"\n")
file(WRITE "${tree}/source/engine/vlEngine.h" "#pragma once\n")
file(WRITE "${tree}/tools/lib/vlTool.h" "#pragma once\n#include \"vlDialog.h\"\n")
file(WRITE "${tree}/sample/Main.cpp" "#include \"vlDialog.h\"\n#include \"vlTool.h\"\n")

vx_run_checker(rc out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "a tree whose includes point down was refused:\n${out}")
endif()

# Up by bare name, up by a relative path, into tools/, and a folder with no place.
file(WRITE "${tree}/source/platform/vlBase.cpp"
  "#include \"vlBase.h\"\n\n  #  include \"vlList.h\"  // up\n#include \"vlTool.h\"\n")
file(WRITE "${tree}/source/framework/vlList.cpp"
  "#include \"vlList.h\"\n#include \"../engine/vlEngine.h\"\n")
file(WRITE "${tree}/source/newfolder/vlNew.h" "#pragma once\n")
vx_run_checker(rc out)
if(rc EQUAL 0)
  message(FATAL_ERROR "includes that run up were let through:\n${out}")
endif()
foreach(expected
    "source/platform/vlBase.cpp:3: platform -> framework runs up (vlList.h)"
    "source/platform/vlBase.cpp:4: platform -> tools runs up (vlTool.h)"
    "source/framework/vlList.cpp:2: framework -> engine runs up (vlEngine.h)"
    "source/newfolder/vlNew.h: folder 'newfolder' has no place in the order"
    "4 include(s) out of the folder order")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the report lacks \"${expected}\":\n${out}")
  endif()
endforeach()

# A header found in two folders is ambiguous by bare name.
file(REMOVE_RECURSE "${tree}/source/newfolder")
file(REMOVE "${tree}/source/platform/vlBase.cpp" "${tree}/source/framework/vlList.cpp")
file(WRITE "${tree}/source/suggestions/vlList.h" "#pragma once\n")
vx_run_checker(rc out)
string(FIND "${out}" "source/parsing/vlParse.h:2: vlList.h is in more than one folder" at)
if(rc EQUAL 0 OR at EQUAL -1)
  message(FATAL_ERROR "a header in two folders was not reported:\n${out}")
endif()
message(STATUS "the include order check passes sound trees and names each include that runs up")
