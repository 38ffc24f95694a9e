# cmake -DSOURCE= -DBINARY= -DPREFIX_PATH= -DCXX= -DGENERATOR= [-DSANITIZE=ON] -P Consumer.cmake
# Configures and builds the consumer project against the installed package
# and runs it: it must create a ZVCalendar through the entry points.

include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)

build_consumer(consumer)
if(NOT out STREQUAL "calValue=35524\n")
  message(FATAL_ERROR "the consumer printed: ${out}")
endif()
