// The type information a host reads from the library.

#include "properties/TypeLibrary.h"
#include "zvcal/ZVCal.h"

#include <QSet>
#include <QTest>

using namespace zvcal;

class tst_TypeInfo : public QObject
{
    Q_OBJECT

private slots:
    void libraryAttributes()
    {
        const LibraryAttributes &a = typeLibrary().attributes;
        QCOMPARE(a.name, QStringLiteral("ZORVCalendar"));
        QCOMPARE(a.help, QStringLiteral("ZORVCalendar Controls"));
        QCOMPARE(a.majorVersion, 9);
        QCOMPARE(a.minorVersion, 0);
        QCOMPARE(a.lcid, 0x0409u);
        QCOMPARE(a.flags, std::uint32_t(LIBFLAG_CONTROL));
        QCOMPARE(a.helpFile, QStringLiteral("ZVCal.hlp"));
        QCOMPARE(a.helpContext, 0u);
        QCOMPARE(a.guid, LIBID_ZORVCalendar);
    }

    void entriesInOrder()
    {
        struct Expected
        {
            const char *name;
            TypeKind kind;
            int members;
        };
        const Expected expected[] = {
            {"_pagZVCalButton", TypeKind::DispatchInterface, 0}, {"pagZVCalButton", TypeKind::CoClass, 0},
            {"_pagZVCalendar", TypeKind::DispatchInterface, 0},  {"pagZVCalendar", TypeKind::CoClass, 0},
            {"_ZVCalendar", TypeKind::DispatchInterface, 47},    {"ZVCalendar", TypeKind::CoClass, 0},
            {"_ZVCalButton", TypeKind::DispatchInterface, 49},   {"ZVCalButton", TypeKind::CoClass, 0},
            {"__ZVCalendar", TypeKind::EventInterface, 11},      {"__ZVCalButton", TypeKind::EventInterface, 17},
            {"enumCALFirstDayofWeek", TypeKind::Enumeration, 7}, {"enumCALAppearance", TypeKind::Enumeration, 3},
            {"enumCALSize", TypeKind::Enumeration, 3},           {"enumCALScrollArrowsPos", TypeKind::Enumeration, 4},
            {"enumCALMonthTitle", TypeKind::Enumeration, 2},     {"enumCALDayTitle", TypeKind::Enumeration, 3},
            {"enumCALAlignment", TypeKind::Enumeration, 9},      {"enumBTNAutoSize", TypeKind::Enumeration, 3},
        };
        const QList<TypeEntry> &entries = typeLibrary().entries;
        QCOMPARE(entries.size(), qsizetype(std::size(expected)));
        QSet<QString> guids;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const TypeEntry &e = entries[i];
            QCOMPARE(e.name, QString::fromLatin1(expected[i].name));
            QCOMPARE(e.kind, expected[i].kind);
            QCOMPARE(e.kind == TypeKind::Enumeration ? e.constants.size() : e.members.size(), qsizetype(expected[i].members));
            QCOMPARE(e.majorVersion, 1);
            QCOMPARE(e.minorVersion, 0);
            if (e.kind != TypeKind::Enumeration) {
                QVERIFY2(!e.guid.isNull(), qPrintable(e.name));
                guids.insert(e.guid.toString());
            }
        }
        QCOMPARE(guids.size(), 10); // every class and interface has an identifier of its own
    }

    void flagsAndDefaults()
    {
        const TypeLibraryInfo &lib = typeLibrary();
        const std::uint32_t dual = TYPEFLAG_HIDDEN | TYPEFLAG_DUAL | TYPEFLAG_NONEXTENSIBLE | TYPEFLAG_OLEAUTOMATION;
        QCOMPARE(lib.entry(QStringLiteral("_ZVCalendar"))->flags, dual);
        QCOMPARE(lib.entry(QStringLiteral("_pagZVCalButton"))->flags, dual);
        QCOMPARE(lib.entry(QStringLiteral("__ZVCalButton"))->flags, std::uint32_t(TYPEFLAG_HIDDEN | TYPEFLAG_NONEXTENSIBLE));
        const TypeEntry *calendar = lib.entry(QStringLiteral("ZVCalendar"));
        QCOMPARE(calendar->flags, std::uint32_t(TYPEFLAG_CREATABLE | TYPEFLAG_CONTROL));
        QCOMPARE(calendar->defaultInterface, QStringLiteral("_ZVCalendar"));
        QCOMPARE(calendar->defaultSource, QStringLiteral("__ZVCalendar"));
        QCOMPARE(calendar->guid, CLSID_ZVCalendar);
        QCOMPARE(lib.entry(QStringLiteral("ZVCalButton"))->defaultSource, QStringLiteral("__ZVCalButton"));
        QCOMPARE(lib.entry(QStringLiteral("pagZVCalendar"))->defaultInterface, QStringLiteral("_pagZVCalendar"));
        QCOMPARE(lib.entry(CLSID_pagZVCalButton)->name, QStringLiteral("pagZVCalButton"));
    }

    void dispatchIdentifiers()
    {
        const TypeEntry &calendar = calendarInterface();
        const TypeEntry &button = buttonInterface();
        QCOMPARE(calendar.member(QStringLiteral("Enabled"))->dispid, DISPID_ENABLED);
        const DISPID buttonEnabled = button.member(QStringLiteral("Enabled"))->dispid;
        const DISPID buttonFont = button.member(QStringLiteral("Font"))->dispid;
        QVERIFY(buttonEnabled != DISPID_ENABLED && buttonEnabled > 0);
        QVERIFY(buttonFont != DISPID_FONT && buttonFont > 0);

        for (const TypeEntry *e : {&calendar, &button}) {
            QSet<DISPID> ids;
            for (const MemberInfo &m : e->members)
                ids.insert(m.dispid);
            QCOMPARE(ids.size(), e->members.size());
            QVERIFY(!ids.contains(DISPID_VALUE)); // no default member
        }
        // The button reaches its calendar's properties through the calendar's identifiers.
        for (const MemberInfo &m : button.members) {
            if (m.name.startsWith(u"cal") || m.name == u"hwnd" || m.name == u"hDC") {
                const MemberInfo *c = calendar.member(m.name);
                QVERIFY2(c, qPrintable(m.name));
                QCOMPARE(m.dispid, c->dispid);
                QCOMPARE(m.kinds, c->kinds);
                QCOMPARE(m.type.varType, c->type.varType);
            }
        }
        QCOMPARE(calendar.member(dispid::calFont)->kinds, std::uint16_t(DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUTREF));
        QCOMPARE(calendar.member(dispid::calVersion)->kinds, std::uint16_t(DISPATCH_PROPERTYGET));
        QCOMPARE(calendar.member(dispid::Refresh)->kinds, std::uint16_t(DISPATCH_METHOD));
        QCOMPARE(calendar.member(dispid::calAlignmentNum)->type.name, QStringLiteral("enumCALAlignment"));
        QCOMPARE(button.member(QStringLiteral("BevelWidth"))->type.varType, VarType::Int16);
        QCOMPARE(button.member(QStringLiteral("MousePointer"))->type.name, QStringLiteral("MousePointerConstants"));
    }

    void memberOrder()
    {
        const QStringList calendarHead = {"calVersion", "hwnd", "hDC", "calHeight", "calWidth", "calLeapYear", "calValue"};
        const QStringList calendarTail = {"NextDay", "NextMonth", "NextYear", "NextWeek", "PreviousDay", "PreviousWeek", "PreviousMonth", "PreviousYear"};
        const QList<MemberInfo> &c = calendarInterface().members;
        for (int i = 0; i < calendarHead.size(); ++i)
            QCOMPARE(c[i].name, calendarHead[i]);
        for (int i = 0; i < calendarTail.size(); ++i)
            QCOMPARE(c[39 + i].name, calendarTail[i]);
        QCOMPARE(c[23].name, QStringLiteral("Refresh"));
        const QList<MemberInfo> &b = buttonInterface().members;
        QCOMPARE(b.first().name, QStringLiteral("calWidth"));
        QCOMPARE(b[1].name, QStringLiteral("AutoSize"));
        QCOMPARE(b[37].name, QStringLiteral("calHeight"));
        QCOMPARE(b[47].name, QStringLiteral("Enabled"));
        QCOMPARE(b[48].name, QStringLiteral("Font"));
    }

    void events()
    {
        const TypeEntry *calendar = typeLibrary().entry(QStringLiteral("__ZVCalendar"));
        const TypeEntry *button = typeLibrary().entry(QStringLiteral("__ZVCalButton"));
        for (const TypeEntry *e : {calendar, button})
            for (qsizetype i = 0; i < e->members.size(); ++i)
                QCOMPARE(e->members[i].dispid, DISPID(i + 1));
        QCOMPARE(calendar->members[1].name, QStringLiteral("ValueChanged"));
        const MemberInfo &mouseDown = calendar->members[8];
        QCOMPARE(mouseDown.name, QStringLiteral("MouseDown"));
        QCOMPARE(mouseDown.params.size(), 4);
        QCOMPARE(mouseDown.params[0].type.varType, VarType::Int16);
        QCOMPARE(mouseDown.params[2].name, QStringLiteral("X"));
        QCOMPARE(mouseDown.params[2].type.varType, VarType::Double);
        for (const ParamInfo &p : mouseDown.params)
            QVERIFY(p.byRef);
        QCOMPARE(button->members[3].name, QStringLiteral("BtnClick"));
        QCOMPARE(button->members[10].name, QStringLiteral("Click"));
        QCOMPARE(button->members[16].name, QStringLiteral("MouseUp"));
    }

    void enumerations()
    {
        int constants = 0;
        for (const TypeEntry &e : typeLibrary().entries) {
            for (const EnumConstant &c : e.constants) {
                QCOMPARE(c.help, c.name);
                ++constants;
            }
        }
        QCOMPARE(constants, 34);
        auto value = [](const char *type, const char *constant) {
            for (const EnumConstant &c : typeLibrary().entry(QString::fromLatin1(type))->constants)
                if (c.name == QLatin1String(constant))
                    return c.value;
            return -100;
        };
        QCOMPARE(value("enumCALFirstDayofWeek", "ZORVcalSunday"), 1);
        QCOMPARE(value("enumCALFirstDayofWeek", "ZORVcalSaturday"), ZORVcalSaturday);
        QCOMPARE(ZORVcalSaturday, 7);
        QCOMPARE(value("enumCALAlignment", "ZORVcalCenterBottom"), 8);
        QCOMPARE(value("enumCALAlignment", "ZORVcalRightTop"), ZORVcalRightTop);
        QCOMPARE(value("enumCALScrollArrowsPos", "ZORVcalBottom"), ZORVcalBottom);
        QCOMPARE(value("enumBTNAutoSize", "ZORVbtnButtonToPicture"), 2);
    }

    void pagesAndVersion()
    {
        const TypeLibraryInfo &lib = typeLibrary();
        QCOMPARE(lib.pages.size(), 2);
        QCOMPARE(lib.pages[0].className, QStringLiteral("ZVCalendar"));
        QCOMPARE(lib.pages[0].pages, (QStringList {"pagZVCalendar", "StandardColor", "StandardFont", "StandardPicture"}));
        QCOMPARE(lib.pages[1].pages, (QStringList {"pagZVCalButton", "pagZVCalendar", "StandardFont", "StandardColor", "StandardPicture"}));
        const VersionRecord &v = lib.version;
        QCOMPARE(QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.build).arg(v.revision), QStringLiteral("2.1.0.1"));
        QCOMPARE(v.fileVersionText, QStringLiteral("2.01.0001"));
        QCOMPARE(v.fileDescription, QStringLiteral("ZORVCalendar v2.1.1"));
        QCOMPARE(v.productName, QStringLiteral("ZORVCalendar v2.1.1"));
        QCOMPARE(v.internalName, QStringLiteral("ZVCal"));
        QCOMPARE(v.originalFilename, QStringLiteral("ZVCal.ocx"));
        QCOMPARE(v.language, 0x0409);
        QCOMPARE(v.codePage, 1200);
        QVERIFY(v.selfRegistering);
    }
};

QTEST_APPLESS_MAIN(tst_TypeInfo)
#include "tst_TypeInfo.moc"
