# cmake -DSOURCE= -DBINARY= -DPREFIX_PATH= -DLIBDIR= -DCXX= -DGENERATOR= [-DSANITIZE=ON] -P WidgetsConsumer.cmake
# Builds the widgets consumer (a uic form with both widgets) against the
# installed package and runs it; checks zvcal-widgets.pc where pkg-config is.

include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)

# The runtime link names the file, the development link the runtime link.
foreach(f include/zvcal/ZVCalendarWidget.h include/zvcal/ZVCalButtonWidget.h ${LIBDIR}/libZVCalWidgets.so.2.1.0.1
    ${LIBDIR}/cmake/ZVCal/ZVCalWidgets.cmake ${LIBDIR}/pkgconfig/zvcal-widgets.pc)
  if(NOT EXISTS ${PREFIX_PATH}/${f} OR IS_SYMLINK ${PREFIX_PATH}/${f})
    message(FATAL_ERROR "missing or not a file: ${f}")
  endif()
endforeach()
foreach(link libZVCalWidgets.so.2 libZVCalWidgets.so)
  if(NOT IS_SYMLINK ${PREFIX_PATH}/${LIBDIR}/${link})
    message(FATAL_ERROR "${link} is not a symbolic link")
  endif()
endforeach()

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${PREFIX_PATH}/${LIBDIR}/pkgconfig ${PKG_CONFIG} --cflags --libs zvcal-widgets)
  if(NOT out MATCHES "-lZVCalWidgets" OR NOT out MATCHES "/include/zvcal")
    message(FATAL_ERROR "pkg-config zvcal-widgets said: ${out}")
  endif()
endif()

build_consumer(app)
# 5 April 1997 is day 95; the form's values come back by their names.
set(expected "ValueChanged=1997-04-05
calValue=1997-04-05
calJulianDateValue=1997095
calLeapYear=false
calVersion=2.1.1
calCaption=Due
calFirstDayofWeek=ZORVcalMonday
calSelectedDayBackColor=#123456
Caption=Pick
calWidth=4500
calHeight=2100
calAppearance=ZORVcalSunken
Font3D=InsetLightShading
Enabled=false
Font=DejaVu Sans
")
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "the consumer printed:\n${out}")
endif()
