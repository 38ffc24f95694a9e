#pragma once

#include "platform/com/Dispatch.h"

class ZVCalButton;

// The members of _ZVCalButton reached by dispatch identifier. The cal
// properties but calWidth and calHeight go to the inner calendar through the
// calendar's own member code, so checks and errors are the calendar's.
namespace zvcal {

Variant getButtonProperty(const ZVCalButton &button, DISPID id);
void putButtonProperty(ZVCalButton &button, DISPID id, const Variant &value);

} // namespace zvcal
