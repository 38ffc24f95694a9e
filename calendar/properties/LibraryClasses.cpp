#include "properties/LibraryClasses.h"

#include "properties/ZVCalButtonObject.h"
#include "properties/ZVCalendarObject.h"
#include "zvcal/ZVCalIds.h"

namespace zvcal {

namespace {

IUnknown *createCalendar()
{
    return static_cast<_ZVCalendar *>(ZVCalendarObject::create());
}

IUnknown *createCalButton()
{
    return static_cast<_ZVCalButton *>(ZVCalButtonObject::create());
}

} // namespace

const QList<LibraryClass> &libraryClasses()
{
    static const QList<LibraryClass> classes = {
        {CLSID_ZVCalendar, QStringLiteral("ZVCalendar"), QString::fromLatin1(ProgID_ZVCalendar), true, 30000, &createCalendar},
        {CLSID_ZVCalButton, QStringLiteral("ZVCalButton"), QString::fromLatin1(ProgID_ZVCalButton), true, 30001, &createCalButton},
        {CLSID_pagZVCalendar, QStringLiteral("pagZVCalendar"), QString::fromLatin1(ProgID_pagZVCalendar), false, 0, nullptr},
        {CLSID_pagZVCalButton, QStringLiteral("pagZVCalButton"), QString::fromLatin1(ProgID_pagZVCalButton), false, 0, nullptr},
    };
    return classes;
}

const LibraryClass *findClass(const Guid &clsid)
{
    for (const LibraryClass &c : libraryClasses())
        if (c.clsid == clsid)
            return &c;
    return nullptr;
}

} // namespace zvcal
