# Runs the generator twice into fresh folders and compares what it writes,
# byte for byte, with itself and with the committed resources folder.
#   cmake -DGENERATOR=<exe> -DOUT=<scratch folder> -DCOMMITTED=<resources> -P compare.cmake
cmake_minimum_required(VERSION 3.20)

foreach(var GENERATOR OUT COMMITTED)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

# A folder of its own for each run, so two test runs in one build tree at the
# same time cannot tread on each other's files.
string(RANDOM LENGTH 12 run_name)
set(OUT "${OUT}/${run_name}")
set(problems "")
file(REMOVE_RECURSE "${OUT}")
foreach(run first second)
  execute_process(COMMAND "${GENERATOR}" "${OUT}/${run}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed (${result})")
  endif()
endforeach()

file(GLOB_RECURSE written RELATIVE "${OUT}/first" "${OUT}/first/*")
file(GLOB_RECURSE committed RELATIVE "${COMMITTED}"
  "${COMMITTED}/*.bmp" "${COMMITTED}/*.ico" "${COMMITTED}/*.cur")
if(NOT written)
  message(FATAL_ERROR "the generator wrote nothing")
endif()

# Whole files as hex text: equal strings are equal bytes.
foreach(name IN LISTS written)
  file(READ "${OUT}/first/${name}" first HEX)
  file(READ "${OUT}/second/${name}" second HEX)
  if(NOT first STREQUAL second)
    string(APPEND problems "  ${name}: differs between two runs\n")
  endif()
  if(NOT EXISTS "${COMMITTED}/${name}")
    string(APPEND problems "  ${name}: not committed\n")
    continue()
  endif()
  file(READ "${COMMITTED}/${name}" kept HEX)
  if(NOT first STREQUAL kept)
    string(APPEND problems "  ${name}: differs from the committed copy\n")
  endif()
endforeach()
foreach(name IN LISTS committed)
  if(NOT name IN_LIST written)
    string(APPEND problems "  ${name}: committed but no longer generated\n")
  endif()
endforeach()

if(problems)
  message(FATAL_ERROR "generated pictures (kept in ${OUT}) do not match resources/:\n${problems}"
    "Regenerate with: build/native/tools/resgen/kelvara_resgen resources")
endif()
file(REMOVE_RECURSE "${OUT}")
list(LENGTH written count)
message(STATUS "${count} pictures match the committed copies")
