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
    std::optional<double> parse(const QString &text) const;

    const QLocale &locale() const { return m_locale; }

    struct Forms;

private:
    QLocale m_locale;
    // The locale's forms compiled once, shared between copies.
    std::shared_ptr<const Forms> m_forms;
};
