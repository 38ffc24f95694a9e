#pragma once
// uic includes the lower-case name of a class a form does not give a header for.
#include "zvcal/ZVCalendarWidget.h"
