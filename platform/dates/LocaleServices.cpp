#include "platform/dates/LocaleServices.h"

#include "platform/dates/DateValue.h"

#include <QHash>
#include <QList>
#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace {

// One element of a compiled date or time format.
enum class Field {
    Literal,
    Day,       // d, dd
    DayName,   // ddd, dddd
    Month,     // M, MM
    MonthName, // MMM, MMMM
    Year,      // always four digits
    Hour,      // h, hh: 12-hour when the format has an AM/PM field
    Hour24,    // H, HH
    Minute,
    Second,
    AmPm,
    TimeZone, // dropped after compiling
};

struct Token
{
    Field field = Field::Literal;
    int width = 1; // 1 or 2 digits, or 3 (abbreviated) / 4 (full) for names
    bool upper = true; // AM/PM in upper case
    QString text;      // literal text
};

using Format = QList<Token>;

// ASCII is tested first: every date the program writes in most locales is
// plain ASCII, and the full Unicode look-ups are slow.
bool isWordChar(QChar c)
{
    if (c.unicode() < 128)
        return (c.unicode() | 0x20) >= u'a' && (c.unicode() | 0x20) <= u'z';
    return c.isLetter() || c.isMark() || c.isSurrogate();
}

bool isGapSpace(QChar c)
{
    if (c.unicode() < 128)
        return c == u' ' || (c.unicode() >= 9 && c.unicode() <= 13);
    return c.isSpace() || c.category() == QChar::Other_Format;
}

int digitOf(QChar c)
{
    if (c.unicode() < 128)
        return c.unicode() >= u'0' && c.unicode() <= u'9' ? c.unicode() - u'0' : -1;
    return c.isDigit() ? c.digitValue() : -1;
}

// Reads a QLocale date/time format into tokens.
Format compile(const QString &format)
{
    Format out;
    auto literal = [&out](const QString &text) {
        if (!out.isEmpty() && out.last().field == Field::Literal)
            out.last().text += text;
        else
            out.append(Token{Field::Literal, 0, true, text});
    };
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            if (i + 1 < n && format.at(i + 1) == u'\'') {
                literal(QStringLiteral("'"));
                i += 2;
                continue;
            }
            qsizetype end = i + 1;
            QString text;
            while (end < n) {
                if (format.at(end) == u'\'') {
                    if (end + 1 < n && format.at(end + 1) == u'\'') {
                        text += u'\'';
                        end += 2;
                        continue;
                    }
                    break;
                }
                text += format.at(end++);
            }
            literal(text);
            i = end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < n && format.at(i + run) == c)
            ++run;
        const int width = int(std::min<qsizetype>(run, 4));
        switch (c.unicode()) {
        case u'd':
            out.append(Token{width >= 3 ? Field::DayName : Field::Day, width, true, {}});
            break;
        case u'M':
            out.append(Token{width >= 3 ? Field::MonthName : Field::Month, width, true, {}});
            break;
        case u'y':
            out.append(Token{Field::Year, 4, true, {}});
            break;
        case u'h':
            out.append(Token{Field::Hour, std::min(width, 2), true, {}});
            break;
        case u'H':
            out.append(Token{Field::Hour24, std::min(width, 2), true, {}});
            break;
        case u'm':
            out.append(Token{Field::Minute, std::min(width, 2), true, {}});
            break;
        case u's':
            out.append(Token{Field::Second, std::min(width, 2), true, {}});
            break;
        case u't':
            out.append(Token{Field::TimeZone, 1, true, {}});
            break;
        case u'z':
            break; // milliseconds: the date value is kept to the second
        case u'A':
        case u'a': {
            const bool pair = i + 1 < n && (format.at(i + 1) == u'P' || format.at(i + 1) == u'p');
            out.append(Token{Field::AmPm, 1, c == u'A', {}});
            i += pair ? 2 : 1;
            continue;
        }
        default:
            literal(QString(run, c));
            break;
        }
        i += run;
    }
    return out;
}

bool isTrimmable(QChar c)
{
    return c.isSpace() || c == u',';
}

// Removes the time-zone field, with the brackets or separator around it.
Format withoutTimeZone(Format format)
{
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i).field != Field::TimeZone)
            continue;
        if (i > 0 && i + 1 < format.size() && format.at(i - 1).field == Field::Literal
            && format.at(i + 1).field == Field::Literal && format.at(i - 1).text.endsWith(u'(')
            && format.at(i + 1).text.startsWith(u')')) {
            format[i - 1].text.chop(1);
            format[i + 1].text.remove(0, 1);
        }
        format.removeAt(i);
        --i;
    }
    for (qsizetype i = 1; i < format.size(); ++i) {
        if (format.at(i).field == Field::Literal && format.at(i - 1).field == Field::Literal) {
            format[i - 1].text += format.at(i).text;
            format.removeAt(i--);
        }
    }
    if (!format.isEmpty() && format.first().field == Field::Literal) {
        QString &t = format.first().text;
        while (!t.isEmpty() && isTrimmable(t.front()))
            t.remove(0, 1);
    }
    if (!format.isEmpty() && format.last().field == Field::Literal) {
        QString &t = format.last().text;
        while (!t.isEmpty() && isTrimmable(t.back()))
            t.chop(1);
    }
    format.removeIf([](const Token &t) { return t.field == Field::Literal && t.text.isEmpty(); });
    return format;
}

// Kinds of words the parser knows.
enum class WordKind { Month, Weekday, Am, Pm, IsoT, Literal };

struct Word
{
    QString text;
    WordKind kind;
    int value; // month 1..12, weekday 1..7 (Sunday first), or where a literal comes from
};

// Where a filler word of the locale comes from.
constexpr int InDate = 1;
constexpr int InTime = 2;

enum class Order { DMY, MDY, YMD };

} // namespace

struct LocaleServices::Forms
{
    Format shortDate;
    Format longTime;
    std::array<QString, 13> monthFull, monthAbbr, monthInDate, monthAbbrInDate;
    std::array<QString, 8> dayFull, dayAbbr; // index 1 = Sunday
    QString am, pm;
    QChar zero = u'0';
    QChar timeSeparator = u':';
    Order order = Order::DMY;
    QString marks; // punctuation allowed between the parts of a date or time
    QHash<char16_t, QList<Word>> words; // by the case-folded first character
};

namespace {

using Forms = LocaleServices::Forms;

void addWord(Forms &f, const QString &text, WordKind kind, int value = 0)
{
    if (text.isEmpty() || !isWordChar(text.front()))
        return;
    QList<Word> &bucket = f.words[text.front().toCaseFolded().unicode()];
    for (Word &w : bucket) {
        if (w.text.compare(text, Qt::CaseInsensitive) != 0)
            continue;
        if (w.kind == WordKind::Literal && kind == WordKind::Literal)
            w.value |= value;
        return; // otherwise the first meaning of a word wins
    }
    bucket.append(Word{text, kind, value});
    // Longest first, so that "March" is found before "Mar".
    std::stable_sort(bucket.begin(), bucket.end(),
                     [](const Word &a, const Word &b) { return a.text.size() > b.text.size(); });
}

void addName(Forms &f, const QString &name, WordKind kind, int value)
{
    addWord(f, name, kind, value);
    QString bare = name;
    while (!bare.isEmpty() && (bare.back() == u'.' || isGapSpace(bare.back())))
        bare.chop(1);
    addWord(f, bare, kind, value);
}

void collectLiterals(Forms &f, const Format &format, int source)
{
    for (const Token &t : format) {
        if (t.field != Field::Literal)
            continue;
        QString word;
        for (QChar c : t.text) {
            if (isWordChar(c)) {
                word += c;
                continue;
            }
            addWord(f, word, WordKind::Literal, source);
            word.clear();
            if (!isGapSpace(c) && !c.isDigit() && !f.marks.contains(c))
                f.marks += c;
        }
        addWord(f, word, WordKind::Literal, source);
    }
}

Order orderOf(const Format &format)
{
    qsizetype d = -1, m = -1, y = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const Field field = format.at(i).field;
        if (field == Field::Day && d < 0)
            d = i;
        else if ((field == Field::Month || field == Field::MonthName) && m < 0)
            m = i;
        else if (field == Field::Year && y < 0)
            y = i;
    }
    if (y >= 0 && y < m && y < d)
        return Order::YMD;
    if (m >= 0 && m < d)
        return Order::MDY;
    return Order::DMY;
}

std::shared_ptr<const Forms> buildForms(const QLocale &locale)
{
    auto f = std::make_shared<Forms>();
    f->shortDate = compile(locale.dateFormat(QLocale::ShortFormat));
    f->longTime = withoutTimeZone(compile(locale.timeFormat(QLocale::LongFormat)));
    const QString zero = locale.zeroDigit();
    f->zero = zero.size() == 1 && zero.at(0).digitValue() == 0 ? zero.at(0) : QChar(u'0');
    f->am = locale.amText();
    f->pm = locale.pmText();
    f->order = orderOf(f->shortDate);

    for (qsizetype i = 0; i + 1 < f->longTime.size(); ++i) {
        const Field field = f->longTime.at(i).field;
        const Token &next = f->longTime.at(i + 1);
        if ((field == Field::Hour || field == Field::Hour24) && next.field == Field::Literal) {
            const QString sep = next.text.trimmed();
            if (sep.size() == 1 && !isWordChar(sep.at(0)))
                f->timeSeparator = sep.at(0);
            break;
        }
    }

    f->marks = QStringLiteral("/.-,:");
    collectLiterals(*f, f->shortDate, InDate);
    collectLiterals(*f, compile(locale.dateFormat(QLocale::LongFormat)), InDate);
    collectLiterals(*f, compile(locale.timeFormat(QLocale::LongFormat)), InTime);
    collectLiterals(*f, compile(locale.timeFormat(QLocale::ShortFormat)), InTime);

    const QLocale english(QLocale::C);
    for (int m = 1; m <= 12; ++m) {
        f->monthFull[m] = locale.standaloneMonthName(m, QLocale::LongFormat);
        f->monthAbbr[m] = locale.standaloneMonthName(m, QLocale::ShortFormat);
        f->monthInDate[m] = locale.monthName(m, QLocale::LongFormat);
        f->monthAbbrInDate[m] = locale.monthName(m, QLocale::ShortFormat);
    }
    for (int w = 1; w <= 7; ++w) {
        const int qtDay = w == 1 ? 7 : w - 1; // Qt counts from Monday
        f->dayFull[w] = locale.standaloneDayName(qtDay, QLocale::LongFormat);
        f->dayAbbr[w] = locale.standaloneDayName(qtDay, QLocale::ShortFormat);
    }
    // The locale's own words first; English names are understood everywhere.
    for (const QLocale &l : {locale, english}) {
        for (int m = 1; m <= 12; ++m)
            for (auto type : {QLocale::LongFormat, QLocale::ShortFormat}) {
                addName(*f, l.monthName(m, type), WordKind::Month, m);
                addName(*f, l.standaloneMonthName(m, type), WordKind::Month, m);
            }
        for (int w = 1; w <= 7; ++w)
            for (auto type : {QLocale::LongFormat, QLocale::ShortFormat}) {
                const int qtDay = w == 1 ? 7 : w - 1;
                addName(*f, l.dayName(qtDay, type), WordKind::Weekday, w);
                addName(*f, l.standaloneDayName(qtDay, type), WordKind::Weekday, w);
            }
        addWord(*f, l.amText(), WordKind::Am);
        addWord(*f, l.pmText(), WordKind::Pm);
    }
    addWord(*f, QStringLiteral("a.m."), WordKind::Am);
    addWord(*f, QStringLiteral("p.m."), WordKind::Pm);
    addWord(*f, QStringLiteral("T"), WordKind::IsoT);
    return f;
}

void appendNumber(QString &out, int value, int minDigits, QChar zero)
{
    char16_t digits[12];
    int n = 0;
    do {
        digits[n++] = char16_t(zero.unicode() + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = n; i < minDigits; ++i)
        out += zero;
    while (n > 0)
        out += QChar(digits[--n]);
}

void render(QString &out, const Forms &f, const Format &format, const DateValue::Parts &p, int weekday)
{
    bool twelveHour = false;
    for (const Token &t : format)
        twelveHour = twelveHour || t.field == Field::AmPm;
    for (const Token &t : format) {
        switch (t.field) {
        case Field::Literal:
            out += t.text;
            break;
        case Field::Day:
            appendNumber(out, p.day, t.width, f.zero);
            break;
        case Field::DayName:
            out += t.width == 3 ? f.dayAbbr[weekday] : f.dayFull[weekday];
            break;
        case Field::Month:
            appendNumber(out, p.month, t.width, f.zero);
            break;
        case Field::MonthName:
            out += t.width == 3 ? f.monthAbbrInDate[p.month] : f.monthInDate[p.month];
            break;
        case Field::Year:
            appendNumber(out, p.year, 4, f.zero);
            break;
        case Field::Hour:
            appendNumber(out, twelveHour ? (p.hour % 12 == 0 ? 12 : p.hour % 12) : p.hour, t.width, f.zero);
            break;
        case Field::Hour24:
            appendNumber(out, p.hour, t.width, f.zero);
            break;
        case Field::Minute:
            appendNumber(out, p.minute, t.width, f.zero);
            break;
        case Field::Second:
            appendNumber(out, p.second, t.width, f.zero);
            break;
        case Field::AmPm: {
            const QString &text = p.hour < 12 ? f.am : f.pm;
            out += t.upper ? text.toUpper() : text.toLower();
            break;
        }
        case Field::TimeZone:
            break;
        }
    }
}

// ---- Parsing ---------------------------------------------------------------

// What stands between two items of the text.
struct Gap
{
    int marks = 0;    // punctuation characters
    QChar mark;       // the last of them
    bool space = false;
    int literal = 0; // the locale's own filler words: InDate, InTime or both
};



struct Item
{
    enum Type { Number, Month, Weekday, Am, Pm, IsoT } type;
    int value = 0;
    int digits = 0;
    Gap before;
};

using Items = QVarLengthArray<Item, 16>;

// Splits the text into numbers and known words; false for anything else.
bool scan(const Forms &f, QStringView text, Items &items, Gap &trailing)
{
    Gap gap;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (digitOf(c) >= 0) {
            int value = 0, digits = 0;
            for (int d; i < n && (d = digitOf(text.at(i))) >= 0; ++i) {
                if (++digits > 9)
                    return false;
                value = value * 10 + d;
            }
            items.append(Item{Item::Number, value, digits, gap});
            gap = Gap{};
        } else if (isWordChar(c)) {
            const auto bucket = f.words.constFind(c.toCaseFolded().unicode());
            const Word *found = nullptr;
            if (bucket != f.words.cend()) {
                for (const Word &w : *bucket) {
                    const qsizetype len = w.text.size();
                    if (i + len > n || text.sliced(i, len).compare(w.text, Qt::CaseInsensitive) != 0)
                        continue;
                    if (i + len < n && isWordChar(text.at(i + len)) && isWordChar(w.text.back()))
                        continue;
                    found = &w;
                    break;
                }
            }
            if (!found)
                return false;
            i += found->text.size();
            switch (found->kind) {
            case WordKind::Literal:
                gap.literal |= found->value;
                continue;
            case WordKind::Month:
                items.append(Item{Item::Month, found->value, 0, gap});
                break;
            case WordKind::Weekday:
                items.append(Item{Item::Weekday, found->value, 0, gap});
                break;
            case WordKind::Am:
                items.append(Item{Item::Am, 0, 0, gap});
                break;
            case WordKind::Pm:
                items.append(Item{Item::Pm, 0, 0, gap});
                break;
            case WordKind::IsoT:
                items.append(Item{Item::IsoT, 0, 0, gap});
                break;
            }
            gap = Gap{};
        } else if (isGapSpace(c)) {
            gap.space = true;
            ++i;
        } else if (f.marks.contains(c)) {
            ++gap.marks;
            gap.mark = c;
            ++i;
        } else {
            return false;
        }
    }
    trailing = gap;
    return true;
}

int expandYear(const Item &item)
{
    // Two digits or fewer: 00-29 are 2000-2029, 30-99 are 1930-1999.
    if (item.digits <= 2)
        return item.value < 30 ? 2000 + item.value : 1900 + item.value;
    return item.value;
}

// Numbers with only the locale's time words between them ("1時02分03秒").
bool joinedByTimeWords(const Items &items)
{
    bool first = true;
    for (const Item &it : items) {
        if (it.type != Item::Number)
            continue;
        if (!first && (it.before.marks != 0 || it.before.literal != InTime))
            return false;
        first = false;
    }
    return true;
}

// Reads the items as a date, a time, or both. With timeOnly, numbers joined by
// the locale's time separator are taken as a time even where they could be a
// date; the caller tries that only when the date reading failed.
std::optional<double> interpret(const Forms &f, const Items &items, const Gap &trailing, bool timeOnly)
{
    if (items.isEmpty() || trailing.marks > 1 || (trailing.marks == 1 && trailing.mark != u'.')
        || items.first().before.marks > 0)
        return std::nullopt;

    // The time: numbers joined by colons, or by the locale's own time
    // separator or time words right after a complete date.
    qsizetype timeFirst = -1, timeLast = -1, designator = -1, isoT = -1;
    int months = 0, weekdays = 0, numbers = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Item &it = items.at(i);
        if (it.before.marks > 1)
            return std::nullopt;
        switch (it.type) {
        case Item::Number:
            ++numbers;
            if (it.before.marks == 1 && it.before.mark == u':') {
                if (i == 0 || items.at(i - 1).type != Item::Number)
                    return std::nullopt;
                if (timeFirst < 0)
                    timeFirst = i - 1;
                else if (timeLast != i - 1)
                    return std::nullopt; // a second group of colons
                timeLast = i;
            }
            break;
        case Item::Month:
            ++months;
            break;
        case Item::Weekday:
            ++weekdays;
            break;
        case Item::Am:
        case Item::Pm:
            if (designator >= 0)
                return std::nullopt;
            designator = i;
            break;
        case Item::IsoT:
            if (isoT >= 0)
                return std::nullopt;
            isoT = i;
            break;
        }
    }
    if (months > 1 || weekdays > 1)
        return std::nullopt;
    const int dateNumbers = 3 - months;

    qsizetype fraction = -1;
    if (timeFirst >= 0) {
        if (timeLast - timeFirst > 2)
            return std::nullopt;
        // Fractions of a second after h:mm:ss are read and dropped.
        if (timeLast - timeFirst == 2 && timeLast + 1 < items.size()) {
            const Item &next = items.at(timeLast + 1);
            if (next.type == Item::Number && next.before.marks == 1 && !next.before.space
                && (next.before.mark == u'.' || next.before.mark == u','))
                fraction = timeLast + 1;
        }
    } else {
        // No colon: count the numbers. A time after the date needs the
        // locale's time separator (or its time words) between its parts.
        const bool hasDate = months > 0 || weekdays > 0;
        int timeCount = numbers - (hasDate ? dateNumbers : 0);
        if (!hasDate && (designator >= 0 || timeOnly) && numbers <= 3)
            timeCount = numbers;
        else if (!hasDate && numbers == dateNumbers)
            timeCount = joinedByTimeWords(items) ? numbers : 0;
        else if (!hasDate && numbers > 3)
            timeCount = numbers - 3;
        if (timeCount < 0 || timeCount > 3 || (timeCount == 1 && designator < 0))
            return std::nullopt;
        if (timeCount > 0) {
            timeLast = items.size() - 1;
            while (timeLast >= 0 && items.at(timeLast).type != Item::Number)
                --timeLast;
            timeFirst = timeLast;
            for (int k = 1; k < timeCount; ++k) {
                const Gap &gap = items.at(timeFirst).before;
                const bool joined = gap.marks == 1 ? gap.mark == f.timeSeparator : (gap.literal & InTime) != 0;
                if (timeFirst == 0 || items.at(timeFirst - 1).type != Item::Number || !joined)
                    return std::nullopt;
                --timeFirst;
            }
        }
    }

    const qsizetype timeEnd = fraction >= 0 ? fraction : timeLast;
    if (designator >= 0) {
        if (timeFirst < 0 || (designator != timeFirst - 1 && designator != timeEnd + 1))
            return std::nullopt;
    }
    if (isoT >= 0 && (timeFirst < 0 || isoT != timeFirst - 1 || isoT == 0
                      || items.at(isoT - 1).type != Item::Number))
        return std::nullopt;

    // Everything outside the time is the date, all on one side of it.
    Items date;
    qsizetype dateFirst = -1, dateLast = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if ((timeFirst >= 0 && i >= timeFirst && i <= timeEnd) || i == designator || i == isoT)
            continue;
        if (items.at(i).type == Item::Number && items.at(i).before.mark == u':' && items.at(i).before.marks)
            return std::nullopt;
        date.append(items.at(i));
        if (dateFirst < 0)
            dateFirst = i;
        dateLast = i;
    }
    if (timeFirst >= 0 && dateFirst >= 0 && dateFirst < timeFirst && dateLast > timeEnd)
        return std::nullopt;

    double time = 0;
    if (timeFirst >= 0) {
        int hms[3] = {0, 0, 0};
        for (qsizetype i = timeFirst; i <= timeLast; ++i)
            hms[i - timeFirst] = items.at(i).value;
        int hour = hms[0];
        if (designator >= 0) {
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (items.at(designator).type == Item::Pm ? 12 : 0);
        }
        if (hour > 23 || hms[1] > 59 || hms[2] > 59)
            return std::nullopt;
        time = double(hour * 3600 + hms[1] * 60 + hms[2]) / 86400.0;
    }

    if (date.isEmpty())
        return timeFirst >= 0 ? std::optional<double>(time) : std::nullopt;

    int month = 0, weekday = 0;
    Items nums;
    for (const Item &it : date) {
        if (it.type == Item::Month)
            month = it.value;
        else if (it.type == Item::Weekday)
            weekday = it.value;
        else
            nums.append(it);
    }
    if (nums.size() != dateNumbers)
        return std::nullopt;

    int y = 0, d = 0;
    if (month > 0) {
        bool dayFirst = f.order != Order::YMD;
        if (nums.at(0).digits >= 3)
            dayFirst = false;
        else if (nums.at(1).digits >= 3)
            dayFirst = true;
        const Item &dayItem = dayFirst ? nums.at(0) : nums.at(1);
        const Item &yearItem = dayFirst ? nums.at(1) : nums.at(0);
        d = dayItem.value;
        y = expandYear(yearItem);
    } else {
        Order order = nums.at(0).digits >= 3 ? Order::YMD : f.order;
        const Item *yi = nullptr;
        switch (order) {
        case Order::YMD:
            yi = &nums.at(0), month = nums.at(1).value, d = nums.at(2).value;
            break;
        case Order::MDY:
            month = nums.at(0).value, d = nums.at(1).value, yi = &nums.at(2);
            break;
        case Order::DMY:
            d = nums.at(0).value, month = nums.at(1).value, yi = &nums.at(2);
            break;
        }
        if (order != Order::YMD && nums.at(2).digits < 3 && (nums.at(0).digits >= 3 || nums.at(1).digits >= 3))
            return std::nullopt;
        y = expandYear(*yi);
    }

    const auto day = DateValue::fromDate(y, month, d);
    if (!day || (weekday && DateValue::weekday(*day) != weekday))
        return std::nullopt;
    return DateValue::combine(*day, time);
}

} // namespace

LocaleServices::LocaleServices(const QLocale &locale) : m_locale(locale), m_forms(buildForms(locale)) {}

QString LocaleServices::shortDate(double serial) const
{
    if (!DateValue::isValid(serial))
        return {};
    QString out;
    out.reserve(16);
    render(out, *m_forms, m_forms->shortDate, DateValue::toParts(serial), DateValue::weekday(serial));
    return out;
}

QString LocaleServices::longTime(double serial) const
{
    if (!DateValue::isValid(serial))
        return {};
    QString out;
    out.reserve(16);
    render(out, *m_forms, m_forms->longTime, DateValue::toParts(serial), 1);
    return out;
}

QString LocaleServices::generalDate(double serial) const
{
    if (!DateValue::isValid(serial))
        return {};
    const DateValue::Parts p = DateValue::toParts(serial);
    const bool hasTime = p.hour || p.minute || p.second;
    const bool dayZero = p.year == 1899 && p.month == 12 && p.day == 30;
    QString out;
    out.reserve(32);
    if (!dayZero) {
        render(out, *m_forms, m_forms->shortDate, p, DateValue::weekday(serial));
        if (hasTime)
            out += u' ';
    }
    if (dayZero || hasTime)
        render(out, *m_forms, m_forms->longTime, p, 1);
    return out;
}

QString LocaleServices::monthName(int month, bool abbreviated) const
{
    if (month < 1 || month > 12)
        return {};
    return abbreviated ? m_forms->monthAbbr[month] : m_forms->monthFull[month];
}

QString LocaleServices::weekdayName(int weekday, bool abbreviated) const
{
    if (weekday < 1 || weekday > 7)
        return {};
    return abbreviated ? m_forms->dayAbbr[weekday] : m_forms->dayFull[weekday];
}

std::optional<double> LocaleServices::parse(const QString &text) const
{
    Items items;
    Gap trailing;
    if (!scan(*m_forms, text, items, trailing))
        return std::nullopt;
    if (const auto value = interpret(*m_forms, items, trailing, false))
        return value;
    // "0.00.00" in a locale that writes times with dots is no date, so it may
    // still be a time.
    return interpret(*m_forms, items, trailing, true);
}
