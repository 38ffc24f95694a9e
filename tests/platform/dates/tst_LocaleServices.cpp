#include "platform/dates/DateValue.h"
#include "platform/dates/LocaleServices.h"

#include <QTest>

#include <cmath>

namespace {

double at(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0)
{
    return *DateValue::fromParts(DateValue::Parts{y, m, d, hh, mm, ss});
}

QLocale localeNamed(const QString &name)
{
    return name == QLatin1String("C") ? QLocale::c() : QLocale(name);
}

} // namespace

Q_DECLARE_METATYPE(std::optional<double>)

class tst_LocaleServices : public QObject
{
    Q_OBJECT

private slots:
    void everyDayReadsBack_data();
    void everyDayReadsBack();
    void otherLocalesReadBack_data();
    void otherLocalesReadBack();
    void forms_data();
    void forms();
    void parses_data();
    void parses();
    void names();
};

void tst_LocaleServices::everyDayReadsBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_US") << QStringLiteral("en_US");
    QTest::newRow("de_DE") << QStringLiteral("de_DE");
    QTest::newRow("C") << QStringLiteral("C");
}

void tst_LocaleServices::everyDayReadsBack()
{
    QFETCH(QString, locale);
    const LocaleServices services(localeNamed(locale));
    const qint64 first = qint64(DateValue::MinSerial);
    const qint64 last = qint64(std::trunc(DateValue::MaxSerial));
    for (qint64 day = first; day <= last; ++day) {
        // Every fourth day has no time; the others step through the clock,
        // second by second over the whole range.
        const int seconds = day % 4 == 0 ? 0 : int((day * 7919) % 86400 + 86400) % 86400;
        const double value = DateValue::combine(double(day), seconds / 86400.0);
        const QString text = services.generalDate(value);
        const auto back = services.parse(text);
        if (!back || DateValue::toParts(*back) != DateValue::toParts(value))
            QFAIL(qPrintable(QStringLiteral("\"%1\" did not read back as %2").arg(text).arg(value, 0, 'f', 6)));
    }
    for (int s = 0; s < 86400; s += 13) {
        const double value = s / 86400.0;
        const QString text = services.generalDate(value);
        const auto back = services.parse(text);
        if (!back || *back != value)
            QFAIL(qPrintable(QStringLiteral("time \"%1\" did not read back").arg(text)));
    }
}

void tst_LocaleServices::otherLocalesReadBack_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *name : {"en_GB", "fr_FR", "fi_FI", "ja_JP", "zh_CN", "ko_KR", "nl_NL", "es_ES", "ar_EG",
                             "hu_HU", "sv_SE", "bg_BG", "ru_RU", "th_TH", "sq_AL"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_LocaleServices::otherLocalesReadBack()
{
    QFETCH(QString, locale);
    const LocaleServices services{QLocale(locale)};
    for (qint64 day = qint64(DateValue::MinSerial); day <= qint64(DateValue::MaxSerial); day += 997) {
        const int seconds = day % 3 == 0 ? 0 : int((day * 7919) % 86400 + 86400) % 86400;
        const double value = DateValue::combine(double(day), seconds / 86400.0);
        const QString text = services.generalDate(value);
        const auto back = services.parse(text);
        if (!back || DateValue::toParts(*back) != DateValue::toParts(value))
            QFAIL(qPrintable(QStringLiteral("\"%1\" did not read back").arg(text)));
    }
    // Finnish writes times with dots, so a time alone such as "1.02.03" reads
    // as the date it also is.
    if (locale == QLatin1String("fi_FI"))
        return;
    for (int s = 0; s < 86400; s += 61) {
        const QString text = services.generalDate(s / 86400.0);
        const auto back = services.parse(text);
        if (!back || qRound(*back * 86400) != s)
            QFAIL(qPrintable(QStringLiteral("time \"%1\" did not read back").arg(text)));
    }
}

void tst_LocaleServices::forms_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("longTime");
    QTest::addColumn<QString>("general");
    QTest::newRow("en_US zero") << "en_US" << 0.0 << "12/30/1899" << "12:00:00 AM" << "12:00:00 AM";
    QTest::newRow("de_DE zero") << "de_DE" << 0.0 << "30.12.1899" << "00:00:00" << "00:00:00";
    QTest::newRow("C zero") << "C" << 0.0 << "30 Dec 1899" << "00:00:00" << "00:00:00";
    QTest::newRow("en_US date only") << "en_US" << at(1997, 3, 1) << "3/1/1997" << "12:00:00 AM" << "3/1/1997";
    QTest::newRow("en_US date and time")
        << "en_US" << at(2024, 12, 5, 13, 4, 5) << "12/5/2024" << "1:04:05 PM" << "12/5/2024 1:04:05 PM";
    QTest::newRow("de_DE date and time")
        << "de_DE" << at(2024, 12, 5, 13, 4, 5) << "05.12.2024" << "13:04:05" << "05.12.2024 13:04:05";
    QTest::newRow("en_US time on day zero") << "en_US" << 0.5 << "12/30/1899" << "12:00:00 PM" << "12:00:00 PM";
    QTest::newRow("en_US year 100") << "en_US" << DateValue::MinSerial << "1/1/0100" << "12:00:00 AM" << "1/1/0100";
    QTest::newRow("de_DE year 999") << "de_DE" << at(999, 7, 4, 0, 0, 1) << "04.07.0999" << "00:00:01"
                                    << "04.07.0999 00:00:01";
    QTest::newRow("en_US before 1899") << "en_US" << -1.25 << "12/29/1899" << "6:00:00 AM" << "12/29/1899 6:00:00 AM";
    QTest::newRow("es_ES no zone brackets") << "es_ES" << at(2001, 2, 3, 4, 5, 6) << "3/2/2001" << "4:05:06"
                                            << "3/2/2001 4:05:06";
    QTest::newRow("invalid") << "en_US" << 1e9 << "" << "" << "";
}

void tst_LocaleServices::forms()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    const LocaleServices services(localeNamed(locale));
    QTEST(services.shortDate(value), "shortDate");
    QTEST(services.longTime(value), "longTime");
    QTEST(services.generalDate(value), "general");
}

void tst_LocaleServices::parses_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("expected");
    const std::optional<double> none;
    auto row = [](const char *name, const char *locale, const char *text) -> QTestData & {
        return QTest::newRow(name) << QString::fromLatin1(locale) << QString::fromUtf8(text);
    };
    row("empty", "en_US", "") << none;
    row("spaces", "en_US", "   ") << none;
    row("word", "en_US", "abc") << none;
    row("31 Feb d/m", "en_GB", "31/02/1997") << none;
    row("month 13", "en_US", "13/45/2000") << none;
    row("day 32", "de_DE", "32.01.2000") << none;
    row("29 Feb common year", "en_US", "2/29/1900") << none;
    row("year 99 four digits", "en_US", "12/31/0099") << none;
    row("year 10000", "en_US", "1/1/10000") << none;
    row("no year", "en_US", "3/1") << none;
    row("lone number", "en_US", "12") << none;
    row("four numbers", "en_US", "1/2/2000/3") << none;
    row("trailing word", "en_US", "1/2/2000 x") << none;
    row("plus sign", "en_US", "1+2+2000") << none;
    row("leading minus", "en_US", "-1/2/2000") << none;
    row("double slash", "en_US", "1//2/2000") << none;
    row("hour 24", "en_US", "24:00") << none;
    row("minute 60", "de_DE", "10:60") << none;
    row("13 PM", "en_US", "13:00 PM") << none;
    row("0 AM", "en_US", "0:30 AM") << none;
    row("two designators", "en_US", "10:00 AM PM") << none;
    row("four time parts", "en_US", "1:2:3:4") << none;
    row("hanging colon", "en_US", "10:") << none;
    row("hour without designator", "en_US", "1/2/2000 10") << none;
    row("wrong weekday", "en_US", "Tuesday, March 1, 2000") << none;
    row("time between date parts", "en_US", "1/2 10:00 2000") << none;
    row("dot time in de_DE", "de_DE", "1.2.2000 10.30") << none;

    row("en_US m/d/yyyy", "en_US", "3/1/1997") << std::optional(at(1997, 3, 1));
    row("en_GB d/m/yyyy", "en_GB", "3/1/1997") << std::optional(at(1997, 1, 3));
    row("de_DE d.m.yyyy", "de_DE", "1.3.1997") << std::optional(at(1997, 3, 1));
    row("two-digit year 29", "en_US", "1/1/29") << std::optional(at(2029, 1, 1));
    row("two-digit year 30", "en_US", "1/1/30") << std::optional(at(1930, 1, 1));
    row("three-digit year", "en_US", "1/1/100") << std::optional(at(100, 1, 1));
    row("ISO date", "de_DE", "2000-02-29") << std::optional(at(2000, 2, 29));
    row("ISO date and time", "en_US", "2000-02-29T23:59:58") << std::optional(at(2000, 2, 29, 23, 59, 58));
    row("ISO fraction dropped", "C", "2000-02-29T23:59:58.75") << std::optional(at(2000, 2, 29, 23, 59, 58));
    row("HH:mm alone", "de_DE", "14:30") << std::optional(at(1899, 12, 30, 14, 30));
    row("HH:mm alone en_US", "en_US", "14:30") << std::optional(at(1899, 12, 30, 14, 30));
    row("12 AM is midnight", "en_US", "12:00 AM") << std::optional(0.0);
    row("12 PM is noon", "en_US", "12:00:00 pm") << std::optional(0.5);
    row("hour with designator", "en_US", "3 PM") << std::optional(at(1899, 12, 30, 15));
    row("a.m.", "en_US", "7:15 a.m.") << std::optional(at(1899, 12, 30, 7, 15));
    row("designator in C", "C", "1/2/2000 7:15 PM") << std::optional(at(2000, 2, 1, 19, 15));
    row("time before date", "en_US", "10:00 1/2/2000") << std::optional(at(2000, 1, 2, 10));
    row("month name", "en_US", "March 1, 1997") << std::optional(at(1997, 3, 1));
    row("weekday and month name", "en_US", "Saturday, March 1, 1997") << std::optional(at(1997, 3, 1));
    row("month name lower case", "C", "1 mar 1997 8:00") << std::optional(at(1997, 3, 1, 8));
    row("German long date", "de_DE", "Samstag, 1. März 1997") << std::optional(at(1997, 3, 1));
    row("English name in German", "de_DE", "1 March 1997") << std::optional(at(1997, 3, 1));
    row("surrounding spaces", "en_US", "  3/1/1997  ") << std::optional(at(1997, 3, 1));
    row("four-digit year first", "en_US", "1997/3/1") << std::optional(at(1997, 3, 1));
    row("Finnish dot time", "fi_FI", "1.3.1997 13.04") << std::optional(at(1997, 3, 1, 13, 4));
    row("Finnish midnight", "fi_FI", "0.00.00") << std::optional(0.0);
    row("Finnish date before time", "fi_FI", "1.02.03") << std::optional(at(2003, 2, 1));
    row("Japanese time words", "ja_JP", "1時02分03秒") << std::optional(at(1899, 12, 30, 1, 2, 3));
    row("Japanese long date", "ja_JP", "1997年3月1日") << std::optional(at(1997, 3, 1));
    row("Arabic digits", "ar_EG", "\u0661/\u0663/\u0661\u0669\u0669\u0667") << std::optional(at(1997, 3, 1));
}

void tst_LocaleServices::parses()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(std::optional<double>, expected);
    const LocaleServices services(localeNamed(locale));
    const auto got = services.parse(text);
    if (got && expected)
        QCOMPARE(DateValue::toParts(*got), DateValue::toParts(*expected));
    QCOMPARE(got.has_value(), expected.has_value());
}

void tst_LocaleServices::names()
{
    const LocaleServices english{QLocale(QStringLiteral("en_US"))};
    QCOMPARE(english.monthName(1, false), QStringLiteral("January"));
    QCOMPARE(english.monthName(12, true), QStringLiteral("Dec"));
    QCOMPARE(english.weekdayName(1, false), QStringLiteral("Sunday"));
    QCOMPARE(english.weekdayName(7, true), QStringLiteral("Sat"));
    QCOMPARE(english.monthName(0, false), QString());
    QCOMPARE(english.weekdayName(8, true), QString());
    const LocaleServices german{QLocale(QStringLiteral("de_DE"))};
    QCOMPARE(german.monthName(3, false), QStringLiteral("März"));
    QCOMPARE(german.weekdayName(2, false), QStringLiteral("Montag"));
    // 1 June 1997 is a Sunday: the names agree with the weekday numbers.
    for (int w = 1; w <= 7; ++w)
        QCOMPARE(english.weekdayName(DateValue::weekday(at(1997, 6, w)), false),
                 QLocale(QStringLiteral("en_US")).toString(QDate(1997, 6, w), QStringLiteral("dddd")));
}

QTEST_APPLESS_MAIN(tst_LocaleServices)
#include "tst_LocaleServices.moc"
