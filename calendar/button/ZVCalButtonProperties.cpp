// The button's own properties and the three persistence hooks of ZVCalButton.

#include "button/ZVCalButton.h"

#include "core/ZVCalendar.h"
#include "platform/objects/OleColor.h"
#include "platform/objects/PropertyBag.h"
#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"
#include "platform/seams/Clock.h"
#include "platform/widgets/SSCommand.h"

#include <QScopedValueRollback>

#include <cmath>

namespace {

const QString DefaultCaption = QStringLiteral("DavOduraruv");
constexpr std::int32_t DefaultForeColor = std::int32_t(0x80000012u); // system colour: button text

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

// A stored number that does not fit the 16-bit property is as invalid as any
// other value out of range.
std::int16_t toInt16(std::int32_t value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw PropertyError::invalidValue();
    return std::int16_t(value);
}

// The calendar keeps its size in whole pixels, so it reads 3200 twips back as
// 3195. The button's own figure is saved while the calendar shows just that
// size, so that a size set is the size saved, and a default stays unsaved.
std::int32_t savedSize(std::int32_t own, std::int32_t calendar)
{
    return std::lround(own / 15.0) * 15 == calendar ? own : calendar;
}

} // namespace

// ------------------------------------------------------------ calendar size

void ZVCalButton::setCalWidth(std::int32_t twips)
{
    m_calWidth = twips;
    m_calendar->setCalWidth(twips);
    emit propertyChanged(key("calWidth"));
}

void ZVCalButton::setCalHeight(std::int32_t twips)
{
    m_calHeight = twips;
    m_calendar->setCalHeight(twips);
    emit propertyChanged(key("calHeight"));
}

std::int32_t ZVCalButton::hwnd() const
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(effectiveWinId()));
}

// ------------------------------------------------------------------ button

std::int32_t ZVCalButton::AutoSize() const { return m_button->autoSize(); }

void ZVCalButton::setAutoSize(std::int32_t mode)
{
    m_button->setAutoSize(mode);
    fitToButton();
    emit propertyChanged(key("AutoSize"));
}

std::int16_t ZVCalButton::BevelWidth() const { return m_button->bevelWidth(); }

void ZVCalButton::setBevelWidth(std::int16_t width)
{
    m_button->setBevelWidth(width);
    emit propertyChanged(key("BevelWidth"));
}

QString ZVCalButton::Caption() const { return m_button->caption(); }

void ZVCalButton::setCaption(const QString &caption)
{
    m_button->setCaption(caption);
    emit propertyChanged(key("Caption"));
}

std::int32_t ZVCalButton::Font3D() const { return m_button->font3D(); }

void ZVCalButton::setFont3D(std::int32_t style)
{
    m_button->setFont3D(style);
    emit propertyChanged(key("Font3D"));
}

PictureRef ZVCalButton::MouseIcon() const { return m_button->mouseIcon(); }

void ZVCalButton::setMouseIcon(PictureRef icon)
{
    m_button->setMouseIcon(icon);
    emit propertyChanged(key("MouseIcon"));
}

std::int32_t ZVCalButton::MousePointer() const { return m_button->mousePointer(); }

void ZVCalButton::setMousePointer(std::int32_t pointer)
{
    m_button->setMousePointer(pointer);
    emit propertyChanged(key("MousePointer"));
}

bool ZVCalButton::Outline() const { return m_button->outline(); }

void ZVCalButton::setOutline(bool on)
{
    m_button->setOutline(on);
    emit propertyChanged(key("Outline"));
}

PictureRef ZVCalButton::Picture() const { return m_button->picture(); }

void ZVCalButton::setPicture(PictureRef picture)
{
    m_button->setPicture(picture);
    emit propertyChanged(key("Picture"));
}

bool ZVCalButton::RoundedCorners() const { return m_button->roundedCorners(); }

void ZVCalButton::setRoundedCorners(bool on)
{
    m_button->setRoundedCorners(on);
    emit propertyChanged(key("RoundedCorners"));
}

OLE_COLOR ZVCalButton::ForeColor() const { return m_button->foreColor(); }

void ZVCalButton::setForeColor(OLE_COLOR colour)
{
    m_button->setForeColor(colour);
    emit propertyChanged(key("ForeColor"));
}

bool ZVCalButton::Enabled() const { return m_button->isEnabledTo(this); }

void ZVCalButton::setEnabledProperty(bool enabled)
{
    m_button->setEnabled(enabled);
    if (!enabled && isDroppedDown())
        m_calendar->hide();
    emit propertyChanged(key("Enabled"));
}

void ZVCalButton::setFont(FontRef font)
{
    if (!font)
        throw PropertyError::invalidValue();
    m_font = std::move(font);
    applyFont();
    emit propertyChanged(key("Font"));
}

// The font is shared with whoever handed it over; its later changes show too.
void ZVCalButton::applyFont()
{
    disconnect(m_fontWatch);
    m_button->setFont(*m_font);
    m_fontWatch = connect(m_font.get(), &StdFont::changed, m_button, [this] { m_button->setFont(*m_font); });
}

void ZVCalButton::setAmbientFont(FontRef font)
{
    m_ambient = std::move(font);
    m_calendar->setAmbientFont(m_ambient);
}

FontRef ZVCalButton::ambientFont() const
{
    return m_ambient ? m_ambient : StdFont::create();
}

// ------------------------------------------------------------- persistence

// Loading writes the child and the button directly and reports nothing of
// that, so a freshly loaded form is not marked changed. The control's own
// property writes among them (ReadProperties: the three calendar fonts,
// Font, MouseIcon and Picture) are reported like any other.
void ZVCalButton::InitProperties()
{
    const QScopedValueRollback writingChild(m_writingChild, true);
    m_calWidth = 3200;
    m_calHeight = 4000;
    m_calendar->setCalWidth(m_calWidth);
    m_calendar->setCalHeight(m_calHeight);
    m_calendar->setCalValue(Clock::today());
    m_calendar->setCalFont(StdFont::create(QStringLiteral("Courier New"), 10));
    m_calendar->setCalMonthYearTitleFont(StdFont::create(QStringLiteral("Courier New"), 10));
    m_calendar->setCalScrollArrowsFont(StdFont::create(QStringLiteral("Courier New"), 10));
}

void ZVCalButton::ReadProperties(PropertyBag &bag)
{
    const QScopedValueRollback writingChild(m_writingChild, true);
    ZVCalendar &c = *m_calendar;
    m_calWidth = bag.readInt(key("calWidth"), 3200);
    c.setCalWidth(m_calWidth);
    m_calHeight = bag.readInt(key("calHeight"), 4000);
    c.setCalHeight(m_calHeight);
    // A font left out was equal to the ambient font when it was written, so
    // that is what it reads back as (a copy: the host keeps its own). These
    // three are the control's own writes, so they are reported.
    c.setCalFont(bag.readFont(key("calFont"), ambientFont()->clone()));
    emit propertyChanged(key("calFont"));
    c.setCalMonthYearTitleFont(bag.readFont(key("calMonthYearTitleFont"), ambientFont()->clone()));
    emit propertyChanged(key("calMonthYearTitleFont"));
    c.setCalScrollArrowsFont(bag.readFont(key("calScrollArrowsFont"), ambientFont()->clone()));
    emit propertyChanged(key("calScrollArrowsFont"));
    c.setCalAlignmentDayTitle(bag.readInt(key("calAlignmentDayTitle"), 7));
    c.setCalAlignmentNum(bag.readInt(key("calAlignmentNum"), 7));
    c.setCalAppearance(bag.readInt(key("calAppearance"), 2));
    c.setCalCaption(bag.readText(key("calCaption"), QStringLiteral("Calendar")));
    c.setCalCurrentDateBackColor(bag.readColor(key("calCurrentDateBackColor"), 0xC0C0C0));
    c.setCalCurrentDateForeColor(bag.readColor(key("calCurrentDateForeColor"), 0));
    c.setCalCurrentMonthBackColor(bag.readColor(key("calCurrentMonthBackColor"), 0xC0C0C0));
    c.setCalCurrentMonthForeColor(bag.readColor(key("calCurrentMonthForeColor"), 0));
    c.setCalCurrentMonthWeekendsBackColor(bag.readColor(key("calCurrentMonthWeekendsBackColor"), 0xC0C0C0));
    c.setCalCurrentMonthWeekendsForeColor(bag.readColor(key("calCurrentMonthWeekendsForeColor"), 0x80));
    c.setCalDayTitle(bag.readInt(key("calDayTitle"), 0));
    c.setCalFirstDayofWeek(bag.readInt(key("calFirstDayofWeek"), 1));
    c.setCalMaxYear(bag.readInt(key("calMaxYear"), 9999));
    c.setCalMinYear(bag.readInt(key("calMinYear"), 1600));
    c.setCalMonthTitle(bag.readInt(key("calMonthTitle"), 1));
    c.setCalMouseSensitiveDate(bag.readBool(key("calMouseSensitiveDate"), false));
    c.setCalNextMonthBackColor(bag.readColor(key("calNextMonthBackColor"), 0xC0C0C0));
    c.setCalNextMonthForeColor(bag.readColor(key("calNextMonthForeColor"), 0x808080));
    c.setCalOutline(bag.readBool(key("calOutline"), false));
    c.setCalPreviousMonthBackColor(bag.readColor(key("calPreviousMonthBackColor"), 0xC0C0C0));
    c.setCalPreviousMonthForeColor(bag.readColor(key("calPreviousMonthForeColor"), 0x808080));
    c.setCalScrollArrowsPos(bag.readInt(key("calScrollArrowsPos"), 3));
    c.setCalSelectedDayBackColor(bag.readColor(key("calSelectedDayBackColor"), 0x800000));
    c.setCalSelectedDayForeColor(bag.readColor(key("calSelectedDayForeColor"), 0xFFFFFF));
    c.setCalShowDropdownMonth(bag.readBool(key("calShowDropdownMonth"), false));
    c.setCalShowTitleBar(bag.readBool(key("calShowTitleBar"), true));
    c.setCalValue(bag.readDate(key("calValue"), Clock::today()));

    SSCommand &b = *m_button;
    b.setForeColor(bag.readColor(key("ForeColor"), DefaultForeColor));
    b.setEnabled(bag.readBool(key("Enabled"), true));
    setFont(bag.readFont(key("Font"), ambientFont()->clone()));
    b.setAutoSize(bag.readInt(key("AutoSize"), 0));
    b.setBevelWidth(toInt16(bag.readInt(key("BevelWidth"), 1)));
    b.setCaption(bag.readText(key("Caption"), DefaultCaption));
    b.setFont3D(bag.readInt(key("Font3D"), 0));
    setMouseIcon(bag.readPicture(key("MouseIcon"), nullptr));
    b.setMousePointer(bag.readInt(key("MousePointer"), 0));
    b.setOutline(bag.readBool(key("Outline"), false));
    setPicture(bag.readPicture(key("Picture"), nullptr));
    b.setRoundedCorners(bag.readBool(key("RoundedCorners"), false));
}

void ZVCalButton::WriteProperties(PropertyBag &bag) const
{
    const ZVCalendar &c = *m_calendar;
    const FontRef ambient = ambientFont();
    bag.writeInt(key("calWidth"), savedSize(m_calWidth, c.calWidth()), 3200);
    bag.writeInt(key("calHeight"), savedSize(m_calHeight, c.calHeight()), 4000);
    bag.writeInt(key("calAlignmentDayTitle"), c.calAlignmentDayTitle(), 7);
    bag.writeInt(key("calAlignmentNum"), c.calAlignmentNum(), 7);
    bag.writeInt(key("calAppearance"), c.calAppearance(), 2);
    bag.writeText(key("calCaption"), c.calCaption(), QStringLiteral("Calendar"));
    bag.writeColor(key("calCurrentDateBackColor"), c.calCurrentDateBackColor(), 0xC0C0C0);
    bag.writeColor(key("calCurrentDateForeColor"), c.calCurrentDateForeColor(), 0);
    bag.writeColor(key("calCurrentMonthBackColor"), c.calCurrentMonthBackColor(), 0xC0C0C0);
    bag.writeColor(key("calCurrentMonthForeColor"), c.calCurrentMonthForeColor(), 0);
    bag.writeColor(key("calCurrentMonthWeekendsBackColor"), c.calCurrentMonthWeekendsBackColor(), 0xC0C0C0);
    bag.writeColor(key("calCurrentMonthWeekendsForeColor"), c.calCurrentMonthWeekendsForeColor(), 0x80);
    bag.writeInt(key("calDayTitle"), c.calDayTitle(), 0);
    bag.writeInt(key("calFirstDayofWeek"), c.calFirstDayofWeek(), 1);
    bag.writeFont(key("calFont"), c.calFont(), ambient);
    bag.writeInt(key("calMaxYear"), c.calMaxYear(), 9999);
    bag.writeInt(key("calMinYear"), c.calMinYear(), 1600);
    bag.writeInt(key("calMonthTitle"), c.calMonthTitle(), 1);
    bag.writeFont(key("calMonthYearTitleFont"), c.calMonthYearTitleFont(), ambient);
    bag.writeBool(key("calMouseSensitiveDate"), c.calMouseSensitiveDate(), false);
    bag.writeColor(key("calNextMonthBackColor"), c.calNextMonthBackColor(), 0xC0C0C0);
    bag.writeColor(key("calNextMonthForeColor"), c.calNextMonthForeColor(), 0x808080);
    bag.writeBool(key("calOutline"), c.calOutline(), false);
    bag.writeColor(key("calPreviousMonthBackColor"), c.calPreviousMonthBackColor(), 0xC0C0C0);
    bag.writeColor(key("calPreviousMonthForeColor"), c.calPreviousMonthForeColor(), 0x808080);
    bag.writeFont(key("calScrollArrowsFont"), c.calScrollArrowsFont(), ambient);
    bag.writeInt(key("calScrollArrowsPos"), c.calScrollArrowsPos(), 3);
    bag.writeColor(key("calSelectedDayBackColor"), c.calSelectedDayBackColor(), 0x800000);
    bag.writeColor(key("calSelectedDayForeColor"), c.calSelectedDayForeColor(), 0xFFFFFF);
    bag.writeBool(key("calShowDropdownMonth"), c.calShowDropdownMonth(), false);
    bag.writeBool(key("calShowTitleBar"), c.calShowTitleBar(), true);
    bag.writeDate(key("calValue"), c.calValue(), Clock::today());

    const SSCommand &b = *m_button;
    bag.writeColor(key("ForeColor"), b.foreColor(), DefaultForeColor);
    bag.writeBool(key("Enabled"), Enabled(), true);
    bag.writeFont(key("Font"), m_font, ambient);
    bag.writeInt(key("AutoSize"), b.autoSize(), 0);
    bag.writeInt(key("BevelWidth"), b.bevelWidth(), 1);
    bag.writeText(key("Caption"), b.caption(), DefaultCaption);
    bag.writeInt(key("Font3D"), b.font3D(), 0);
    bag.writePicture(key("MouseIcon"), b.mouseIcon(), nullptr);
    bag.writeInt(key("MousePointer"), b.mousePointer(), 0);
    bag.writeBool(key("Outline"), b.outline(), false);
    bag.writePicture(key("Picture"), b.picture(), nullptr);
    bag.writeBool(key("RoundedCorners"), b.roundedCorners(), false);
}
