#pragma once

#include "platform/com/TypeInfo.h"

// The type information of the ZORVCalendar library: its attributes, the
// interfaces and classes with every member in order, the events, the
// enumerations, the property-page bindings and the version record.
namespace zvcal {

const TypeLibraryInfo &typeLibrary();
// The same information as handed to a host: counted as a live object of the
// library while any holder keeps it.
TypeLibraryRef handedOutTypeLibrary();
const TypeEntry &calendarInterface(); // _ZVCalendar
const TypeEntry &buttonInterface();   // _ZVCalButton
const TypeEntry &calendarEvents();    // __ZVCalendar

} // namespace zvcal
