#include "properties/LibraryClasses.h"

#include "platform/pages/PageObject.h"
#include "properties/LibraryTranslations.h"
#include "properties/ZVCalButtonObject.h"
#include "properties/ZVCalendarObject.h"
#include "properties/pages/pagZVCalButton.h"
#include "properties/pages/pagZVCalendar.h"
#include "zvcal/ZVCalIds.h"

namespace zvcal {

namespace {

IUnknown *createCalendar()
{
    installLibraryTranslations();
    return static_cast<_ZVCalendar *>(ZVCalendarObject::create());
}

IUnknown *createCalButton()
{
    installLibraryTranslations();
    return static_cast<_ZVCalButton *>(ZVCalButtonObject::create());
}

IUnknown *createCalendarPage()
{
    installLibraryTranslations();
    return static_cast<IPropertyPage *>(PageObject::create(new pagZVCalendar, IID__pagZVCalendar));
}

IUnknown *createButtonPage()
{
    installLibraryTranslations();
    return static_cast<IPropertyPage *>(PageObject::create(new pagZVCalButton, IID__pagZVCalButton));
}

} // namespace

const QList<LibraryClass> &libraryClasses()
{
    static const QList<LibraryClass> classes = {
        {CLSID_ZVCalendar, QStringLiteral("ZVCalendar"), QString::fromLatin1(ProgID_ZVCalendar), true, 30000, &createCalendar},
        {CLSID_ZVCalButton, QStringLiteral("ZVCalButton"), QString::fromLatin1(ProgID_ZVCalButton), true, 30001, &createCalButton},
        {CLSID_pagZVCalendar, QStringLiteral("pagZVCalendar"), QString::fromLatin1(ProgID_pagZVCalendar), false, 0, &createCalendarPage},
        {CLSID_pagZVCalButton, QStringLiteral("pagZVCalButton"), QString::fromLatin1(ProgID_pagZVCalButton), false, 0, &createButtonPage},
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
