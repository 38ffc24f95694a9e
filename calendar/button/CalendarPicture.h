#pragma once

#include "platform/objects/StdPicture.h"

// The 20 x 20 calendar picture the button carries when placed anew.
StdPicturePtr calendarButtonPicture();
