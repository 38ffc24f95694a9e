// The property set of ZVCalendar: getters, checked setters and the three
// persistence hooks.

#include "core/ZVCalendar.h"
#include "core/ZVCalendarPrivate.h"

#include "platform/seams/Clock.h"
#include "platform/dates/DateValue.h"
#include "platform/objects/PropertyBag.h"
#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"

#include <cmath>

namespace {

const QString CalValueKey = QStringLiteral("calValue");
const char *const FontKeys[3] = {"calFont", "calMonthYearTitleFont", "calScrollArrowsFont"};

void checkRange(std::int32_t value, std::int32_t low, std::int32_t high)
{
    if (value < low || value > high)
        throw PropertyError::invalidValue();
}

bool validDate(double value)
{
    return std::isfinite(value) && DateValue::isValid(value);
}

} // namespace

// ------------------------------------------------------ read-only and size

QString ZVCalendar::calVersion() const
{
    return QStringLiteral("2.1.1");
}

std::int32_t ZVCalendar::hwnd() const
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(effectiveWinId()));
}

std::int32_t ZVCalendar::hDC() const
{
    return 0;
}

bool ZVCalendar::calLeapYear() const
{
    return CalendarDateMath::LeapYear(d->s.value);
}

std::int32_t ZVCalendar::calJulianDateValue() const
{
    return CalendarDateMath::JulianDateValue(d->s.value);
}

std::int32_t ZVCalendar::calHeight() const
{
    return height() * 15;
}

void ZVCalendar::setCalHeight(std::int32_t twips)
{
    resize(width(), std::max(0, int(std::lround(twips / 15.0))));
}

std::int32_t ZVCalendar::calWidth() const
{
    return width() * 15;
}

void ZVCalendar::setCalWidth(std::int32_t twips)
{
    resize(std::max(0, int(std::lround(twips / 15.0))), height());
}

// ------------------------------------------------------------------- value

DATE ZVCalendar::calValue() const
{
    return d->s.value;
}

void ZVCalendar::setCalValue(DATE value)
{
    // The interface types the argument as a date; a number outside the
    // date range is no date and is refused like any other bad value.
    if (!validDate(value))
        throw PropertyError::invalidValue();
    d->s.value = value;
    emit propertyChanged(CalValueKey);
    Refresh();
}

std::int32_t ZVCalendar::calMinYear() const
{
    return d->s.minYear;
}

void ZVCalendar::setCalMinYear(std::int32_t year)
{
    if (year > d->s.maxYear || year < 1600)
        throw PropertyError::invalidValue();
    d->s.minYear = year;
    emit propertyChanged(QStringLiteral("calMinYear"));
    if (year > DateValue::year(d->s.value)) {
        if (const auto moved = CalendarDateMath::MoveToYear(d->s.value, year))
            d->s.value = *moved;
        Refresh();
    }
}

std::int32_t ZVCalendar::calMaxYear() const
{
    return d->s.maxYear;
}

void ZVCalendar::setCalMaxYear(std::int32_t year)
{
    if (year < d->s.minYear || year > 9999)
        throw PropertyError::invalidValue();
    d->s.maxYear = year;
    emit propertyChanged(QStringLiteral("calMaxYear"));
    if (year < DateValue::year(d->s.value)) {
        if (const auto moved = CalendarDateMath::MoveToYear(d->s.value, year))
            d->s.value = *moved;
        Refresh();
    }
}

// --------------------------------------------------------- plain switches

bool ZVCalendar::Enabled() const
{
    return d->s.enabled;
}

void ZVCalendar::setEnabledProperty(bool enabled)
{
    d->s.enabled = enabled;
    emit propertyChanged(QStringLiteral("Enabled"));
    d->applyEnabled();
}

bool ZVCalendar::calMouseSensitiveDate() const
{
    return d->s.mouseSensitiveDate;
}

void ZVCalendar::setCalMouseSensitiveDate(bool on)
{
    d->s.mouseSensitiveDate = on;
    emit propertyChanged(QStringLiteral("calMouseSensitiveDate"));
}

bool ZVCalendar::calOutline() const
{
    return d->s.outline;
}

void ZVCalendar::setCalOutline(bool on)
{
    d->s.outline = on;
    emit propertyChanged(QStringLiteral("calOutline"));
    d->applyOutline();
}

bool ZVCalendar::calShowTitleBar() const
{
    return d->s.showTitleBar;
}

void ZVCalendar::setCalShowTitleBar(bool on)
{
    d->s.showTitleBar = on;
    emit propertyChanged(QStringLiteral("calShowTitleBar"));
    d->layoutPass();
}

bool ZVCalendar::calShowDropdownMonth() const
{
    return d->s.showDropdownMonth;
}

void ZVCalendar::setCalShowDropdownMonth(bool on)
{
    d->s.showDropdownMonth = on;
    emit propertyChanged(QStringLiteral("calShowDropdownMonth"));
    d->layoutPass();
}

QString ZVCalendar::calCaption() const
{
    return d->s.caption;
}

void ZVCalendar::setCalCaption(const QString &caption)
{
    d->s.caption = caption;
    emit propertyChanged(QStringLiteral("calCaption"));
    d->applyCaption();
}

// ------------------------------------------------------------ enumerations

std::int32_t ZVCalendar::calAppearance() const
{
    return d->s.appearance;
}

void ZVCalendar::setCalAppearance(std::int32_t value)
{
    checkRange(value, 0, 2);
    d->s.appearance = value;
    emit propertyChanged(QStringLiteral("calAppearance"));
    d->applyAppearance();
}

std::int32_t ZVCalendar::calAlignmentNum() const
{
    return d->s.alignmentNum;
}

void ZVCalendar::setCalAlignmentNum(std::int32_t value)
{
    checkRange(value, 0, 8);
    d->s.alignmentNum = value;
    emit propertyChanged(QStringLiteral("calAlignmentNum"));
    d->applyNumberAlignment();
}

std::int32_t ZVCalendar::calAlignmentDayTitle() const
{
    return d->s.alignmentDayTitle;
}

void ZVCalendar::setCalAlignmentDayTitle(std::int32_t value)
{
    checkRange(value, 0, 8);
    d->s.alignmentDayTitle = value;
    emit propertyChanged(QStringLiteral("calAlignmentDayTitle"));
    d->applyDayTitleAlignment();
}

std::int32_t ZVCalendar::calMonthTitle() const
{
    return d->s.monthTitle;
}

void ZVCalendar::setCalMonthTitle(std::int32_t value)
{
    checkRange(value, 0, 1);
    d->s.monthTitle = value;
    emit propertyChanged(QStringLiteral("calMonthTitle"));
    d->buildMonthNames();
    d->showMonthYear();
}

std::int32_t ZVCalendar::calDayTitle() const
{
    return d->s.dayTitle;
}

void ZVCalendar::setCalDayTitle(std::int32_t value)
{
    checkRange(value, 0, 2);
    d->s.dayTitle = value;
    emit propertyChanged(QStringLiteral("calDayTitle"));
    d->buildDayNames();
    d->fillDayTitles();
}

std::int32_t ZVCalendar::calScrollArrowsPos() const
{
    return d->s.scrollArrowsPos;
}

void ZVCalendar::setCalScrollArrowsPos(std::int32_t value)
{
    checkRange(value, 0, 3);
    d->s.scrollArrowsPos = value;
    emit propertyChanged(QStringLiteral("calScrollArrowsPos"));
    d->layoutPass();
}

std::int32_t ZVCalendar::calFirstDayofWeek() const
{
    return d->s.firstDayOfWeek;
}

void ZVCalendar::setCalFirstDayofWeek(std::int32_t value)
{
    checkRange(value, 1, 7);
    d->s.firstDayOfWeek = value;
    emit propertyChanged(QStringLiteral("calFirstDayofWeek"));
    d->buildDayNames();
    d->fillDayTitles();
    Refresh();
}

// ------------------------------------------------------------------- fonts

FontRef &ZVCalendar::Private::fontAt(int i)
{
    return i == 0 ? s.font : (i == 1 ? s.monthYearTitleFont : s.scrollArrowsFont);
}

QString ZVCalendar::Private::fontPropertyName(int i)
{
    return QString::fromLatin1(FontKeys[i]);
}

void ZVCalendar::Private::watchFonts()
{
    // Fonts are shared objects: a change made through any holder shows at
    // once and marks the property changed for the host.
    for (int i = 0; i < 3; ++i) {
        QObject::disconnect(fontConnections[i]);
        if (StdFont *font = fontAt(i).get()) {
            fontConnections[i] = QObject::connect(font, &StdFont::changed, q, [this, i] {
                if (i == 0)
                    applyFont();
                else if (i == 1)
                    applyTitleFont();
                else
                    applyArrowsFont();
                emit q->propertyChanged(fontPropertyName(i));
            });
        }
    }
}

void ZVCalendar::Private::setFontProperty(int i, FontRef font)
{
    if (!font)
        throw PropertyError::invalidValue();
    fontAt(i) = std::move(font);
    watchFonts();
    emit q->propertyChanged(fontPropertyName(i));
    if (i == 0)
        applyFont();
    else if (i == 1)
        applyTitleFont();
    else
        applyArrowsFont();
}

FontRef ZVCalendar::calFont() const
{
    return d->s.font;
}

void ZVCalendar::setCalFont(FontRef font)
{
    d->setFontProperty(0, std::move(font));
}

FontRef ZVCalendar::calMonthYearTitleFont() const
{
    return d->s.monthYearTitleFont;
}

void ZVCalendar::setCalMonthYearTitleFont(FontRef font)
{
    d->setFontProperty(1, std::move(font));
}

FontRef ZVCalendar::calScrollArrowsFont() const
{
    return d->s.scrollArrowsFont;
}

void ZVCalendar::setCalScrollArrowsFont(FontRef font)
{
    d->setFontProperty(2, std::move(font));
}

void ZVCalendar::setAmbientFont(FontRef font)
{
    d->ambient = std::move(font);
}

FontRef ZVCalendar::ambientFont() const
{
    return d->ambient;
}

// ----------------------------------------------------------------- colours

void ZVCalendar::Private::setColour(int index, OLE_COLOR colour)
{
    s.colours[index] = CellLook::ClampColor(colour);
    emit q->propertyChanged(CellLook::colourPropertyName(index));
    applyColors();
}

#define ZVCAL_COLOUR(Name, Index)                                                   \
    OLE_COLOR ZVCalendar::cal##Name() const { return d->s.colours[CellLook::Index]; } \
    void ZVCalendar::setCal##Name(OLE_COLOR colour) { d->setColour(CellLook::Index, colour); }

ZVCAL_COLOUR(SelectedDayBackColor, SelectedDayBack)
ZVCAL_COLOUR(SelectedDayForeColor, SelectedDayFore)
ZVCAL_COLOUR(CurrentDateBackColor, CurrentDateBack)
ZVCAL_COLOUR(CurrentDateForeColor, CurrentDateFore)
ZVCAL_COLOUR(CurrentMonthBackColor, CurrentMonthBack)
ZVCAL_COLOUR(CurrentMonthForeColor, CurrentMonthFore)
ZVCAL_COLOUR(CurrentMonthWeekendsBackColor, CurrentMonthWeekendsBack)
ZVCAL_COLOUR(CurrentMonthWeekendsForeColor, CurrentMonthWeekendsFore)
ZVCAL_COLOUR(PreviousMonthBackColor, PreviousMonthBack)
ZVCAL_COLOUR(PreviousMonthForeColor, PreviousMonthFore)
ZVCAL_COLOUR(NextMonthBackColor, NextMonthBack)
ZVCAL_COLOUR(NextMonthForeColor, NextMonthFore)

#undef ZVCAL_COLOUR

// ------------------------------------------------------------- persistence

void ZVCalendar::InitProperties()
{
    Private::State s;
    s.value = Clock::today();
    s.font = StdFont::create(QStringLiteral("Courier New"), 10);
    s.monthYearTitleFont = StdFont::create(QStringLiteral("Courier New"), 10);
    s.scrollArrowsFont = StdFont::create(QStringLiteral("Courier New"), 10);
    d->s = std::move(s);
    d->lastRefreshedValue = d->s.value;
    d->watchFonts();
    d->applyAll();
}

// The font a missing font key reads back as: a new object with the
// attributes of the font written as that key's default, so that a font the
// host left out for being equal to the default loads as it was saved.
static FontRef defaultFontFor(const FontRef &ambient)
{
    return ambient ? ambient->clone() : StdFont::create();
}

void ZVCalendar::ReadProperties(PropertyBag &bag)
{
    // Everything is read before anything is stored, so a value the bag
    // cannot convert leaves the control as it was.
    Private::State s;
    const double value = bag.readDate(CalValueKey, Clock::today());
    if (!validDate(value))
        throw PropertyBagError(CalValueKey, bag.lineOf(CalValueKey), QStringLiteral("the value is outside the range of dates"));
    s.value = value;
    for (int i = 0; i < 3; ++i) {
        const QString key = Private::fontPropertyName(i);
        FontRef font = bag.readFont(key, defaultFontFor(d->ambient));
        if (!font)
            font = defaultFontFor(d->ambient);
        (i == 0 ? s.font : (i == 1 ? s.monthYearTitleFont : s.scrollArrowsFont)) = std::move(font);
    }
    s.enabled = bag.readBool(QStringLiteral("Enabled"), true);
    s.caption = bag.readText(QStringLiteral("calCaption"), QStringLiteral("Calendar"));
    s.outline = bag.readBool(QStringLiteral("calOutline"), false);
    s.showTitleBar = bag.readBool(QStringLiteral("calShowTitleBar"), true);
    s.showDropdownMonth = bag.readBool(QStringLiteral("calShowDropdownMonth"), false);
    s.scrollArrowsPos = bag.readInt(QStringLiteral("calScrollArrowsPos"), 3);
    s.mouseSensitiveDate = bag.readBool(QStringLiteral("calMouseSensitiveDate"), false);
    s.appearance = bag.readInt(QStringLiteral("calAppearance"), 2);
    s.minYear = bag.readInt(QStringLiteral("calMinYear"), 1600);
    s.maxYear = bag.readInt(QStringLiteral("calMaxYear"), 9999);
    s.firstDayOfWeek = bag.readInt(QStringLiteral("calFirstDayofWeek"), 1);
    const CellLook::Colours defaults = CellLook::defaultColours();
    for (int i = 0; i < CellLook::ColourCount; ++i)
        s.colours[i] = bag.readColor(CellLook::colourPropertyName(i), defaults[i]);
    s.monthTitle = bag.readInt(QStringLiteral("calMonthTitle"), 1);
    s.dayTitle = bag.readInt(QStringLiteral("calDayTitle"), 0);
    s.alignmentNum = bag.readInt(QStringLiteral("calAlignmentNum"), 7);
    s.alignmentDayTitle = bag.readInt(QStringLiteral("calAlignmentDayTitle"), 7);

    d->s = std::move(s);
    // Not restored: the first refresh compares against the zero date and so
    // reports the loaded value as a change.
    d->lastRefreshedValue = 0;
    d->watchFonts();
    d->applyAll();
}

void ZVCalendar::WriteProperties(PropertyBag &bag) const
{
    const Private::State &s = d->s;
    const FontRef ambient = d->ambient ? d->ambient : StdFont::create();
    bag.writeBool(QStringLiteral("Enabled"), s.enabled, true);
    bag.writeDate(CalValueKey, s.value, Clock::today());
    bag.writeFont(QStringLiteral("calFont"), s.font, ambient);
    bag.writeFont(QStringLiteral("calMonthYearTitleFont"), s.monthYearTitleFont, ambient);
    bag.writeFont(QStringLiteral("calScrollArrowsFont"), s.scrollArrowsFont, ambient);
    bag.writeText(QStringLiteral("calCaption"), s.caption, QStringLiteral("Calendar"));
    bag.writeBool(QStringLiteral("calOutline"), s.outline, false);
    bag.writeBool(QStringLiteral("calShowTitleBar"), s.showTitleBar, true);
    bag.writeBool(QStringLiteral("calShowDropdownMonth"), s.showDropdownMonth, false);
    bag.writeInt(QStringLiteral("calScrollArrowsPos"), s.scrollArrowsPos, 3);
    bag.writeBool(QStringLiteral("calMouseSensitiveDate"), s.mouseSensitiveDate, false);
    bag.writeInt(QStringLiteral("calAppearance"), s.appearance, 2);
    bag.writeInt(QStringLiteral("calMinYear"), s.minYear, 1600);
    bag.writeInt(QStringLiteral("calMaxYear"), s.maxYear, 9999);
    bag.writeInt(QStringLiteral("calFirstDayofWeek"), s.firstDayOfWeek, 1);
    const CellLook::Colours defaults = CellLook::defaultColours();
    for (int i = 0; i < CellLook::ColourCount; ++i)
        bag.writeColor(CellLook::colourPropertyName(i), s.colours[i], defaults[i]);
    bag.writeInt(QStringLiteral("calMonthTitle"), s.monthTitle, 1);
    bag.writeInt(QStringLiteral("calDayTitle"), s.dayTitle, 0);
    bag.writeInt(QStringLiteral("calAlignmentNum"), s.alignmentNum, 7);
    bag.writeInt(QStringLiteral("calAlignmentDayTitle"), s.alignmentDayTitle, 7);
}
