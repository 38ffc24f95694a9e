# Shared by the install scripts: run(COMMAND...) fails the script with the
# command's output when it exits non-zero, and leaves its standard output in
# `out`; build_consumer(PROGRAM) configures SOURCE against the installed
# package in BINARY, builds it and runs PROGRAM from it.

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited with ${rc}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(build_consumer program)
  # A sanitized library needs a sanitized host.
  set(flags)
  if(SANITIZE)
    set(flags -DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined)
  endif()
  file(REMOVE_RECURSE ${BINARY})
  run(${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G ${GENERATOR} ${flags}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${PREFIX_PATH} -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON)
  run(${CMAKE_COMMAND} --build ${BINARY})
  run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${BINARY}/${program})
  set(out "${out}" PARENT_SCOPE)
endfunction()
