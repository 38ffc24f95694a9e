#include "properties/TypeLibrary.h"

#include "platform/com/OwnedText.h"
#include "platform/com/ServerLocks.h"
#include "properties/VersionInfo.h"
#include "zvcal/ZVCalDispIds.h"
#include "zvcal/ZVCalIds.h"

namespace zvcal {

namespace {

enum Access : std::uint16_t {
    Get = DISPATCH_PROPERTYGET,
    GetPut = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
    GetPutRef = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUTREF,
    Method = DISPATCH_METHOD,
};

TypeRef text() { return {VarType::String, {}}; }
TypeRef int16() { return {VarType::Int16, {}}; }
TypeRef int32() { return {VarType::Int32, {}}; }
TypeRef boolean() { return {VarType::Bool, {}}; }
TypeRef date() { return {VarType::Date, {}}; }
TypeRef colour() { return {VarType::Int32, QStringLiteral("OLE_COLOR")}; }
TypeRef font() { return {VarType::Font, QStringLiteral("StdFont")}; }
TypeRef picture() { return {VarType::Picture, QStringLiteral("StdPicture")}; }
TypeRef named(VarType t, const char16_t *name) { return {t, QString::fromUtf16(name)}; }

struct MemberRow
{
    const char16_t *name;
    DISPID id;
    std::uint16_t kinds;
    TypeRef type;
};

struct EventRow
{
    const char16_t *name;
    DISPID id;
    QList<const char16_t *> args;
};

constexpr std::uint32_t InterfaceFlags = TYPEFLAG_HIDDEN | TYPEFLAG_DUAL | TYPEFLAG_NONEXTENSIBLE | TYPEFLAG_OLEAUTOMATION;
constexpr std::uint32_t EventFlags = TYPEFLAG_HIDDEN | TYPEFLAG_NONEXTENSIBLE;
constexpr std::uint32_t ControlFlags = TYPEFLAG_CREATABLE | TYPEFLAG_CONTROL;

TypeEntry entry(const char16_t *name, TypeKind kind, std::uint32_t flags, const Guid &guid)
{
    TypeEntry e;
    e.name = QString::fromUtf16(name);
    e.kind = kind;
    e.flags = flags;
    e.guid = guid;
    return e;
}

TypeEntry dispatchInterface(const char16_t *name, const Guid &guid, const QList<MemberRow> &rows)
{
    TypeEntry e = entry(name, TypeKind::DispatchInterface, InterfaceFlags, guid);
    for (const MemberRow &r : rows)
        e.members.append(MemberInfo {QString::fromUtf16(r.name), r.id, r.kinds, r.type, {}, {}});
    return e;
}

// Event arguments are 16-bit integers passed by reference, the coordinates
// X and Y single-precision numbers (carried as doubles).
TypeEntry eventInterface(const char16_t *name, const Guid &guid, const QList<EventRow> &rows)
{
    TypeEntry e = entry(name, TypeKind::EventInterface, EventFlags, guid);
    for (const EventRow &r : rows) {
        MemberInfo m {QString::fromUtf16(r.name), r.id, DISPATCH_METHOD, {}, {}, {}};
        for (const char16_t *arg : r.args) {
            const QString argName = QString::fromUtf16(arg);
            const bool coordinate = argName == u"X" || argName == u"Y";
            m.params.append(ParamInfo {argName, coordinate ? TypeRef {VarType::Double, QStringLiteral("Single")} : int16(), true});
        }
        e.members.append(m);
    }
    return e;
}

TypeEntry coClass(const char16_t *name, const Guid &guid, std::uint32_t flags, const char16_t *defaultInterface,
                  const char16_t *defaultSource = nullptr)
{
    TypeEntry e = entry(name, TypeKind::CoClass, flags, guid);
    e.defaultInterface = QString::fromUtf16(defaultInterface);
    if (defaultSource)
        e.defaultSource = QString::fromUtf16(defaultSource);
    return e;
}

// Each constant's help string is its own name.
TypeEntry enumeration(const char16_t *name, const QList<QPair<const char16_t *, std::int32_t>> &constants)
{
    TypeEntry e = entry(name, TypeKind::Enumeration, 0, Guid {});
    for (const auto &[constant, value] : constants)
        e.constants.append(EnumConstant {QString::fromUtf16(constant), value, QString::fromUtf16(constant)});
    return e;
}

TypeLibraryInfo build()
{
    TypeLibraryInfo lib;
    lib.attributes.name = QStringLiteral("ZORVCalendar");
    lib.attributes.help = QStringLiteral("ZORVCalendar Controls");
    lib.attributes.majorVersion = 9;
    lib.attributes.minorVersion = 0;
    lib.attributes.lcid = 0x0409;
    lib.attributes.target = QStringLiteral("Win32");
    lib.attributes.flags = LIBFLAG_CONTROL;
    lib.attributes.helpFile = QStringLiteral("ZVCal.hlp");
    lib.attributes.helpContext = 0;
    lib.attributes.guid = LIBID_ZORVCalendar;

    lib.imports = {
        {QStringLiteral("stdole"), QStringLiteral("IDispatch")},
        {QStringLiteral("stdole"), QStringLiteral("StdFont")},
        {QStringLiteral("stdole"), QStringLiteral("StdPicture")},
        {QStringLiteral("stdole"), QStringLiteral("OLE_COLOR")},
        {QStringLiteral("Threed"), QStringLiteral("Font3DConstants")},
        {QStringLiteral("Threed"), QStringLiteral("MousePointerConstants")},
    };

    const QList<MemberRow> calendarMembers = {
        {u"calVersion", dispid::calVersion, Get, text()},
        {u"hwnd", dispid::hwnd, Get, int32()},
        {u"hDC", dispid::hDC, Get, int32()},
        {u"calHeight", dispid::calHeight, GetPut, int32()},
        {u"calWidth", dispid::calWidth, GetPut, int32()},
        {u"calLeapYear", dispid::calLeapYear, Get, boolean()},
        {u"calValue", dispid::calValue, GetPut, date()},
        {u"calJulianDateValue", dispid::calJulianDateValue, Get, int32()},
        {u"Enabled", dispid::Enabled, GetPut, boolean()},
        {u"calMouseSensitiveDate", dispid::calMouseSensitiveDate, GetPut, boolean()},
        {u"calOutline", dispid::calOutline, GetPut, boolean()},
        {u"calAppearance", dispid::calAppearance, GetPut, named(VarType::Int32, u"enumCALAppearance")},
        {u"calAlignmentNum", dispid::calAlignmentNum, GetPut, named(VarType::Int32, u"enumCALAlignment")},
        {u"calAlignmentDayTitle", dispid::calAlignmentDayTitle, GetPut, named(VarType::Int32, u"enumCALAlignment")},
        {u"calFont", dispid::calFont, GetPutRef, font()},
        {u"calMonthYearTitleFont", dispid::calMonthYearTitleFont, GetPutRef, font()},
        {u"calScrollArrowsFont", dispid::calScrollArrowsFont, GetPutRef, font()},
        {u"calMonthTitle", dispid::calMonthTitle, GetPut, named(VarType::Int32, u"enumCALMonthTitle")},
        {u"calDayTitle", dispid::calDayTitle, GetPut, named(VarType::Int32, u"enumCALDayTitle")},
        {u"calCaption", dispid::calCaption, GetPut, text()},
        {u"calShowTitleBar", dispid::calShowTitleBar, GetPut, boolean()},
        {u"calMinYear", dispid::calMinYear, GetPut, int32()},
        {u"calMaxYear", dispid::calMaxYear, GetPut, int32()},
        {u"Refresh", dispid::Refresh, Method, {}},
        {u"calShowDropdownMonth", dispid::calShowDropdownMonth, GetPut, boolean()},
        {u"calScrollArrowsPos", dispid::calScrollArrowsPos, GetPut, named(VarType::Int32, u"enumCALScrollArrowsPos")},
        {u"calFirstDayofWeek", dispid::calFirstDayofWeek, GetPut, named(VarType::Int32, u"enumCALFirstDayofWeek")},
        {u"calSelectedDayBackColor", dispid::calSelectedDayBackColor, GetPut, colour()},
        {u"calSelectedDayForeColor", dispid::calSelectedDayForeColor, GetPut, colour()},
        {u"calCurrentDateBackColor", dispid::calCurrentDateBackColor, GetPut, colour()},
        {u"calCurrentDateForeColor", dispid::calCurrentDateForeColor, GetPut, colour()},
        {u"calCurrentMonthBackColor", dispid::calCurrentMonthBackColor, GetPut, colour()},
        {u"calCurrentMonthForeColor", dispid::calCurrentMonthForeColor, GetPut, colour()},
        {u"calCurrentMonthWeekendsBackColor", dispid::calCurrentMonthWeekendsBackColor, GetPut, colour()},
        {u"calCurrentMonthWeekendsForeColor", dispid::calCurrentMonthWeekendsForeColor, GetPut, colour()},
        {u"calPreviousMonthBackColor", dispid::calPreviousMonthBackColor, GetPut, colour()},
        {u"calPreviousMonthForeColor", dispid::calPreviousMonthForeColor, GetPut, colour()},
        {u"calNextMonthBackColor", dispid::calNextMonthBackColor, GetPut, colour()},
        {u"calNextMonthForeColor", dispid::calNextMonthForeColor, GetPut, colour()},
        {u"NextDay", dispid::NextDay, Method, {}},
        {u"NextMonth", dispid::NextMonth, Method, {}},
        {u"NextYear", dispid::NextYear, Method, {}},
        {u"NextWeek", dispid::NextWeek, Method, {}},
        {u"PreviousDay", dispid::PreviousDay, Method, {}},
        {u"PreviousWeek", dispid::PreviousWeek, Method, {}},
        {u"PreviousMonth", dispid::PreviousMonth, Method, {}},
        {u"PreviousYear", dispid::PreviousYear, Method, {}},
    };
    const QList<MemberRow> buttonMembers = {
        {u"calWidth", dispid::calWidth, GetPut, int32()},
        {u"AutoSize", dispid::btnAutoSize, GetPut, named(VarType::Int32, u"enumBTNAutoSize")},
        {u"calAlignmentDayTitle", dispid::calAlignmentDayTitle, GetPut, named(VarType::Int32, u"enumCALAlignment")},
        {u"calAlignmentNum", dispid::calAlignmentNum, GetPut, named(VarType::Int32, u"enumCALAlignment")},
        {u"calAppearance", dispid::calAppearance, GetPut, named(VarType::Int32, u"enumCALAppearance")},
        {u"calCaption", dispid::calCaption, GetPut, text()},
        {u"calCurrentDateBackColor", dispid::calCurrentDateBackColor, GetPut, colour()},
        {u"calCurrentDateForeColor", dispid::calCurrentDateForeColor, GetPut, colour()},
        {u"calCurrentMonthBackColor", dispid::calCurrentMonthBackColor, GetPut, colour()},
        {u"calCurrentMonthForeColor", dispid::calCurrentMonthForeColor, GetPut, colour()},
        {u"calCurrentMonthWeekendsBackColor", dispid::calCurrentMonthWeekendsBackColor, GetPut, colour()},
        {u"calCurrentMonthWeekendsForeColor", dispid::calCurrentMonthWeekendsForeColor, GetPut, colour()},
        {u"calDayTitle", dispid::calDayTitle, GetPut, named(VarType::Int32, u"enumCALDayTitle")},
        {u"calFirstDayofWeek", dispid::calFirstDayofWeek, GetPut, named(VarType::Int32, u"enumCALFirstDayofWeek")},
        {u"calFont", dispid::calFont, GetPutRef, font()},
        {u"calJulianDateValue", dispid::calJulianDateValue, Get, int32()},
        {u"calLeapYear", dispid::calLeapYear, Get, boolean()},
        {u"calMaxYear", dispid::calMaxYear, GetPut, int32()},
        {u"calMinYear", dispid::calMinYear, GetPut, int32()},
        {u"calMonthTitle", dispid::calMonthTitle, GetPut, named(VarType::Int32, u"enumCALMonthTitle")},
        {u"calMonthYearTitleFont", dispid::calMonthYearTitleFont, GetPutRef, font()},
        {u"calMouseSensitiveDate", dispid::calMouseSensitiveDate, GetPut, boolean()},
        {u"calNextMonthBackColor", dispid::calNextMonthBackColor, GetPut, colour()},
        {u"calNextMonthForeColor", dispid::calNextMonthForeColor, GetPut, colour()},
        {u"calOutline", dispid::calOutline, GetPut, boolean()},
        {u"calPreviousMonthBackColor", dispid::calPreviousMonthBackColor, GetPut, colour()},
        {u"calPreviousMonthForeColor", dispid::calPreviousMonthForeColor, GetPut, colour()},
        {u"calScrollArrowsFont", dispid::calScrollArrowsFont, GetPutRef, font()},
        {u"calScrollArrowsPos", dispid::calScrollArrowsPos, GetPut, named(VarType::Int32, u"enumCALScrollArrowsPos")},
        {u"calSelectedDayBackColor", dispid::calSelectedDayBackColor, GetPut, colour()},
        {u"calSelectedDayForeColor", dispid::calSelectedDayForeColor, GetPut, colour()},
        {u"calShowDropdownMonth", dispid::calShowDropdownMonth, GetPut, boolean()},
        {u"calShowTitleBar", dispid::calShowTitleBar, GetPut, boolean()},
        {u"calValue", dispid::calValue, GetPut, date()},
        {u"calVersion", dispid::calVersion, Get, text()},
        {u"hwnd", dispid::hwnd, Get, int32()},
        {u"hDC", dispid::hDC, Get, int32()},
        {u"calHeight", dispid::calHeight, GetPut, int32()},
        {u"BevelWidth", dispid::btnBevelWidth, GetPut, int16()},
        {u"Caption", dispid::btnCaption, GetPut, text()},
        {u"Font3D", dispid::btnFont3D, GetPut, named(VarType::Int32, u"Font3DConstants")},
        {u"MouseIcon", dispid::btnMouseIcon, GetPutRef, picture()},
        {u"MousePointer", dispid::btnMousePointer, GetPut, named(VarType::Int32, u"MousePointerConstants")},
        {u"Outline", dispid::btnOutline, GetPut, boolean()},
        {u"Picture", dispid::btnPicture, GetPutRef, picture()},
        {u"RoundedCorners", dispid::btnRoundedCorners, GetPut, boolean()},
        {u"ForeColor", dispid::btnForeColor, GetPut, colour()},
        {u"Enabled", dispid::btnEnabled, GetPut, boolean()},
        {u"Font", dispid::btnFont, GetPutRef, font()},
    };
    const QList<EventRow> calendarEvents = {
        {u"MonthChanged", dispid::calendarEvent::MonthChanged, {}},
        {u"ValueChanged", dispid::calendarEvent::ValueChanged, {}},
        {u"YearChanged", dispid::calendarEvent::YearChanged, {}},
        {u"Click", dispid::calendarEvent::Click, {}},
        {u"DblClick", dispid::calendarEvent::DblClick, {}},
        {u"KeyDown", dispid::calendarEvent::KeyDown, {u"KeyCode", u"Shift"}},
        {u"KeyPress", dispid::calendarEvent::KeyPress, {u"KeyAscii"}},
        {u"KeyUp", dispid::calendarEvent::KeyUp, {u"KeyCode", u"Shift"}},
        {u"MouseDown", dispid::calendarEvent::MouseDown, {u"Button", u"Shift", u"X", u"Y"}},
        {u"MouseMove", dispid::calendarEvent::MouseMove, {u"Button", u"Shift", u"X", u"Y"}},
        {u"MouseUp", dispid::calendarEvent::MouseUp, {u"Button", u"Shift", u"X", u"Y"}},
    };
    const QList<EventRow> buttonEvents = {
        {u"MonthChanged", dispid::buttonEvent::MonthChanged, {}},
        {u"ValueChanged", dispid::buttonEvent::ValueChanged, {}},
        {u"YearChanged", dispid::buttonEvent::YearChanged, {}},
        {u"BtnClick", dispid::buttonEvent::BtnClick, {}},
        {u"BtnKeyDown", dispid::buttonEvent::BtnKeyDown, {u"KeyCode", u"Shift"}},
        {u"BtnKeyPress", dispid::buttonEvent::BtnKeyPress, {u"KeyAscii"}},
        {u"BtnKeyUp", dispid::buttonEvent::BtnKeyUp, {u"KeyCode", u"Shift"}},
        {u"BtnMouseDown", dispid::buttonEvent::BtnMouseDown, {u"Button", u"Shift", u"X", u"Y"}},
        {u"BtnMouseMove", dispid::buttonEvent::BtnMouseMove, {u"Button", u"Shift", u"X", u"Y"}},
        {u"BtnMouseUp", dispid::buttonEvent::BtnMouseUp, {u"Button", u"Shift", u"X", u"Y"}},
        {u"Click", dispid::buttonEvent::Click, {}},
        {u"KeyDown", dispid::buttonEvent::KeyDown, {u"KeyCode", u"Shift"}},
        {u"KeyPress", dispid::buttonEvent::KeyPress, {u"KeyAscii"}},
        {u"KeyUp", dispid::buttonEvent::KeyUp, {u"KeyCode", u"Shift"}},
        {u"MouseDown", dispid::buttonEvent::MouseDown, {u"Button", u"Shift", u"X", u"Y"}},
        {u"MouseMove", dispid::buttonEvent::MouseMove, {u"Button", u"Shift", u"X", u"Y"}},
        {u"MouseUp", dispid::buttonEvent::MouseUp, {u"Button", u"Shift", u"X", u"Y"}},
    };

    // The order in which the library lists its types.
    lib.entries.append(dispatchInterface(u"_pagZVCalButton", IID__pagZVCalButton, {}));
    lib.entries.append(coClass(u"pagZVCalButton", CLSID_pagZVCalButton, 0, u"_pagZVCalButton"));
    lib.entries.append(dispatchInterface(u"_pagZVCalendar", IID__pagZVCalendar, {}));
    lib.entries.append(coClass(u"pagZVCalendar", CLSID_pagZVCalendar, 0, u"_pagZVCalendar"));
    lib.entries.append(dispatchInterface(u"_ZVCalendar", IID__ZVCalendar, calendarMembers));
    lib.entries.append(coClass(u"ZVCalendar", CLSID_ZVCalendar, ControlFlags, u"_ZVCalendar", u"__ZVCalendar"));
    lib.entries.append(dispatchInterface(u"_ZVCalButton", IID__ZVCalButton, buttonMembers));
    lib.entries.append(coClass(u"ZVCalButton", CLSID_ZVCalButton, ControlFlags, u"_ZVCalButton", u"__ZVCalButton"));
    lib.entries.append(eventInterface(u"__ZVCalendar", DIID___ZVCalendar, calendarEvents));
    lib.entries.append(eventInterface(u"__ZVCalButton", DIID___ZVCalButton, buttonEvents));
    lib.entries.append(enumeration(u"enumCALFirstDayofWeek", {{u"ZORVcalSunday", 1}, {u"ZORVcalMonday", 2}, {u"ZORVcalTuesday", 3}, {u"ZORVcalWednesday", 4}, {u"ZORVcalThursday", 5}, {u"ZORVcalFriday", 6}, {u"ZORVcalSaturday", 7}}));
    lib.entries.append(enumeration(u"enumCALAppearance", {{u"ZORVcalFlat", 0}, {u"ZORVcalSunken", 1}, {u"ZORVcalRaised", 2}}));
    lib.entries.append(enumeration(u"enumCALSize", {{u"ZORVcalSmall", 0}, {u"ZORVcalMedium", 1}, {u"ZORVcalLarge", 2}}));
    lib.entries.append(enumeration(u"enumCALScrollArrowsPos", {{u"ZORVcalNoArrows", 0}, {u"ZORVcalTop", 1}, {u"ZORVcalMonthYear", 2}, {u"ZORVcalBottom", 3}}));
    lib.entries.append(enumeration(u"enumCALMonthTitle", {{u"ZORVcalMonthShort", 0}, {u"ZORVcalMonthLong", 1}}));
    lib.entries.append(enumeration(u"enumCALDayTitle", {{u"ZORVcalDayShort", 0}, {u"ZORVcalDayMedium", 1}, {u"ZORVcalDayLong", 2}}));
    lib.entries.append(enumeration(u"enumCALAlignment", {{u"ZORVcalLeftTop", 0}, {u"ZORVcalLeftMiddle", 1}, {u"ZORVcalLeftBottom", 2}, {u"ZORVcalRightTop", 3}, {u"ZORVcalRightMiddle", 4}, {u"ZORVcalRightBottom", 5}, {u"ZORVcalCenterTop", 6}, {u"ZORVcalCenterMiddle", 7}, {u"ZORVcalCenterBottom", 8}}));
    lib.entries.append(enumeration(u"enumBTNAutoSize", {{u"ZORVbtnNone", 0}, {u"ZORVbtnPictureToButton", 1}, {u"ZORVbtnButtonToPicture", 2}}));

    lib.pages = {
        {QStringLiteral("ZVCalendar"),
         {QStringLiteral("pagZVCalendar"), QStringLiteral("StandardColor"), QStringLiteral("StandardFont"), QStringLiteral("StandardPicture")}},
        {QStringLiteral("ZVCalButton"),
         {QStringLiteral("pagZVCalButton"), QStringLiteral("pagZVCalendar"), QStringLiteral("StandardFont"), QStringLiteral("StandardColor"),
          QStringLiteral("StandardPicture")}},
    };

    lib.version = versionRecord();
    return lib;
}

// A host may keep a name after letting go of the table and unloading the
// library: every text in it is its own, not the library's constant data.
void ownTexts(TypeLibraryInfo &lib)
{
    for (QString *t : {&lib.attributes.name, &lib.attributes.help, &lib.attributes.target, &lib.attributes.helpFile,
                       &lib.version.fileVersionText, &lib.version.fileDescription, &lib.version.productName,
                       &lib.version.internalName, &lib.version.originalFilename})
        *t = ownedText(*t);
    for (ImportedType &i : lib.imports)
        i = {ownedText(i.library), ownedText(i.name)};
    for (PageBinding &b : lib.pages) {
        b.className = ownedText(b.className);
        for (QString &page : b.pages)
            page = ownedText(page);
    }
    for (TypeEntry &e : lib.entries) {
        for (QString *t : {&e.name, &e.help, &e.defaultInterface, &e.defaultSource})
            *t = ownedText(*t);
        for (MemberInfo &m : e.members) {
            for (QString *t : {&m.name, &m.type.name, &m.help})
                *t = ownedText(*t);
            for (ParamInfo &p : m.params)
                p = {ownedText(p.name), {p.type.varType, ownedText(p.type.name)}, p.byRef};
        }
        for (EnumConstant &c : e.constants)
            c = {ownedText(c.name), c.value, ownedText(c.help)};
    }
}

TypeLibraryInfo ownedBuild()
{
    TypeLibraryInfo lib = build();
    ownTexts(lib);
    return lib;
}

} // namespace

const TypeLibraryInfo &typeLibrary()
{
    static const TypeLibraryInfo lib = ownedBuild();
    return lib;
}

TypeLibraryRef handedOutTypeLibrary()
{
    // The holders share the one table; the count goes when the last lets go.
    ServerLocks::objectCreated();
    return TypeLibraryRef(&typeLibrary(), [](const TypeLibraryInfo *) { ServerLocks::objectDestroyed(); });
}

const TypeEntry &calendarInterface()
{
    return *typeLibrary().entry(QStringLiteral("_ZVCalendar"));
}

const TypeEntry &buttonInterface()
{
    return *typeLibrary().entry(QStringLiteral("_ZVCalButton"));
}

const TypeEntry &calendarEvents()
{
    return *typeLibrary().entry(QStringLiteral("__ZVCalendar"));
}

} // namespace zvcal
