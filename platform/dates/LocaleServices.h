#pragma once

#include <QLocale>
#include <QString>
#include <memory>
#include <optional>

// Date and time text in the user's locale. The short date always carries a
// four-digit year, so that no date changes when its text is read back.
class LocaleServices
{
public:
    explicit LocaleServices(const QLocale &locale = QLocale());

    QString shortDate(double serial) const;
    QString longTime(double serial) const; // no time-zone field
    // The short date, then the time only when the value has one; a value whose
    // date part is zero shows the time alone.
    QString generalDate(double serial) const;

    QString monthName(int month, bool abbreviated) const;   // 1 .. 12
    QString weekdayName(int weekday, bool abbreviated) const; // 1 = Sunday .. 7

    // Lenient reading of a date, a time, or both: the locale's own forms,
    // ISO 8601, 12- and 24-hour times. Text that is no date gives no value.
    // - A date needs day, month and year; the order of three numbers is the
    //   locale's, unless the first has three or more digits (year first).
    //   Month and weekday names of the locale and English are understood; a
    //   weekday that does not fit the date rejects it.
    // - A year of one or two digits means 1930..2029; three or four digits are
    //   taken as written.
    // - A time is h:mm or h:mm:ss (fractions of a second dropped), optionally
    //   with AM/PM (also "3 PM"); locales that write times without colons are
    //   read in their own form. A time alone gives a value on day zero.
    // - The time may come after the date or before it, never in its middle.
    std::optional<double> parse(const QString &text) const;

    const QLocale &locale() const { return m_locale; }

    struct Forms;

private:
    QLocale m_locale;
    // The locale's forms compiled once, shared between copies.
    std::shared_ptr<const Forms> m_forms;
};
