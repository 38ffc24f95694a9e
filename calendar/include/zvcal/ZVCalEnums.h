#pragma once

#include <cstdint>

// The enumerations of the ZORVCalendar library (32-bit values).
namespace zvcal {

enum enumCALFirstDayofWeek : std::int32_t {
    ZORVcalSunday = 1,
    ZORVcalMonday = 2,
    ZORVcalTuesday = 3,
    ZORVcalWednesday = 4,
    ZORVcalThursday = 5,
    ZORVcalFriday = 6,
    ZORVcalSaturday = 7,
};

enum enumCALAppearance : std::int32_t {
    ZORVcalFlat = 0,
    ZORVcalSunken = 1,
    ZORVcalRaised = 2,
};

// Published for hosts; no member takes it.
enum enumCALSize : std::int32_t {
    ZORVcalSmall = 0,
    ZORVcalMedium = 1,
    ZORVcalLarge = 2,
};

enum enumCALScrollArrowsPos : std::int32_t {
    ZORVcalNoArrows = 0,
    ZORVcalTop = 1,
    ZORVcalMonthYear = 2,
    ZORVcalBottom = 3,
};

enum enumCALMonthTitle : std::int32_t {
    ZORVcalMonthShort = 0,
    ZORVcalMonthLong = 1,
};

enum enumCALDayTitle : std::int32_t {
    ZORVcalDayShort = 0,
    ZORVcalDayMedium = 1,
    ZORVcalDayLong = 2,
};

enum enumCALAlignment : std::int32_t {
    ZORVcalLeftTop = 0,
    ZORVcalLeftMiddle = 1,
    ZORVcalLeftBottom = 2,
    ZORVcalRightTop = 3,
    ZORVcalRightMiddle = 4,
    ZORVcalRightBottom = 5,
    ZORVcalCenterTop = 6,
    ZORVcalCenterMiddle = 7,
    ZORVcalCenterBottom = 8,
};

enum enumBTNAutoSize : std::int32_t {
    ZORVbtnNone = 0,
    ZORVbtnPictureToButton = 1,
    ZORVbtnButtonToPicture = 2,
};

} // namespace zvcal
