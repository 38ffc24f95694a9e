#pragma once

// Helpers shared by the tests of the month calendar control.

#include "core/ZVCalendar.h"
#include "platform/dates/DateValue.h"
#include "platform/widgets/SSCommand.h"
#include "platform/widgets/SSPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

inline double calDate(int y, int m, int d)
{
    return DateValue::fromDate(y, m, d).value();
}

inline SSPanel *calCell(const ZVCalendar &cal, int n)
{
    return cal.findChild<SSPanel *>(QStringLiteral("pnlCalNum_%1").arg(n));
}

inline SSPanel *calTitle(const ZVCalendar &cal, int i)
{
    return cal.findChild<SSPanel *>(QStringLiteral("pnlCalDay_%1").arg(i));
}

inline SSPanel *calPanel(const ZVCalendar &cal, const char *name)
{
    return cal.findChild<SSPanel *>(QString::fromLatin1(name));
}

inline SSCommand *calButton(const ZVCalendar &cal, int i)
{
    return cal.findChild<SSCommand *>(QStringLiteral("cmdButton_%1").arg(i));
}

inline QLineEdit *calYearBox(const ZVCalendar &cal)
{
    return cal.findChild<QLineEdit *>(QStringLiteral("txtYear"));
}

inline QComboBox *calMonthList(const ZVCalendar &cal)
{
    return cal.findChild<QComboBox *>(QStringLiteral("cbxMonth"));
}

// The cell showing day d of the shown month.
inline SSPanel *calDayCell(const ZVCalendar &cal, int d)
{
    for (int n = 1; n <= 42; ++n) {
        SSPanel *p = calCell(cal, n);
        if (p->caption().toInt() == d && p->tag().startsWith(QLatin1String("Curr")))
            return p;
    }
    return nullptr;
}

// Records the control's events in the order they come, with their arguments.
class CalendarEventLog : public QObject
{
public:
    explicit CalendarEventLog(ZVCalendar &cal)
    {
        QObject::connect(&cal, &ZVCalendar::ValueChanged, this, [this] { events << QStringLiteral("ValueChanged"); });
        QObject::connect(&cal, &ZVCalendar::MonthChanged, this, [this] { events << QStringLiteral("MonthChanged"); });
        QObject::connect(&cal, &ZVCalendar::YearChanged, this, [this] { events << QStringLiteral("YearChanged"); });
        QObject::connect(&cal, &ZVCalendar::Click, this, [this] { events << QStringLiteral("Click"); });
        QObject::connect(&cal, &ZVCalendar::DblClick, this, [this] { events << QStringLiteral("DblClick"); });
        QObject::connect(&cal, &ZVCalendar::KeyDown, this, [this](short &k, short &s) {
            events << QStringLiteral("KeyDown %1 %2").arg(k).arg(s);
        });
        QObject::connect(&cal, &ZVCalendar::KeyPress, this, [this](short &a) { events << QStringLiteral("KeyPress %1").arg(a); });
        QObject::connect(&cal, &ZVCalendar::KeyUp, this, [this](short &k, short &s) {
            events << QStringLiteral("KeyUp %1 %2").arg(k).arg(s);
        });
        QObject::connect(&cal, &ZVCalendar::MouseDown, this, [this](short &b, short &s, float &x, float &y) {
            events << QStringLiteral("MouseDown %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        QObject::connect(&cal, &ZVCalendar::MouseUp, this, [this](short &b, short &s, float &x, float &y) {
            events << QStringLiteral("MouseUp %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        QObject::connect(&cal, &ZVCalendar::MouseMove, this, [this](short &, short &, float &, float &) {
            events << QStringLiteral("MouseMove");
        });
        QObject::connect(&cal, &ZVCalendar::propertyChanged, this, [this](const QString &name) {
            events << QStringLiteral("notify ") + name;
        });
    }

    // The events without the mouse and key traffic.
    QStringList changes() const
    {
        QStringList out;
        for (const QString &e : events) {
            if (!e.startsWith(QLatin1String("Mouse")) && !e.startsWith(QLatin1String("Key")))
                out << e;
        }
        return out;
    }

    QStringList events;
};
