// What the calendar shows: the month's cells and titles, names, fonts,
// alignment, colours, bevels, the enabled look and the hover highlight.
#include "core/ZVCalendar.h"

#include "core/CalendarAccessible.h"
#include "core/ZVCalendarPrivate.h"
#include "platform/seams/Clock.h"
#include "platform/dates/DateValue.h"
#include "platform/dates/LocaleServices.h"
#include "platform/objects/OleColor.h"
#include "platform/widgets/SSCommand.h"
#include "platform/widgets/SSPanel.h"

#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLineEdit>

using MonthFill::Tag;

namespace {

QDate qDateOf(double value)
{
    return QDate(DateValue::year(value), DateValue::month(value), DateValue::day(value));
}

} // namespace

FontRef ZVCalendar::Private::dayFont() const
{
    return s.font;
}

bool ZVCalendar::Private::fontBold() const
{
    return s.font && s.font->bold();
}

void ZVCalendar::Private::setAlignment(SSPanel *panel, int alignment)
{
    if (alignment >= SSPanel::LeftTop && alignment <= SSPanel::CenterBottom)
        panel->setAlignment(alignment);
}

void ZVCalendar::Private::paintCell(int n, Tag tag)
{
    SSPanel *p = cell(n);
    const CellLook::Pair c = CellLook::cellColours(s.colours, tag);
    p->setTag(MonthFill::tagText(tag));
    p->setBackColor(c.back);
    p->setForeColor(c.fore);
}

void ZVCalendar::Private::fillMonth(double date)
{
    BatchUpdates batch(Picture1);
    const MonthFill::Month m = MonthFill::fill(date, s.firstDayOfWeek, Clock::today(), fontBold());
    showMonthYear();

    const QDate shown = qDateOf(date);
    const QDate first(shown.year(), shown.month(), 1);
    const QLocale locale;
    for (int n = 1; n <= 42; ++n) {
        const MonthFill::Cell &c = m.cells[n - 1];
        SSPanel *p = cell(n);
        p->setCaption(QString::number(c.day));
        paintCell(n, c.tag);
        p->setBold(c.bold);
        p->setBevel(c.tag == Tag::CurrSelected ? bevels.selected : bevels.ordinary);

        QDate month = first;
        if (c.tag == Tag::Prev)
            month = first.addMonths(-1);
        else if (c.tag == Tag::Next)
            month = first.addMonths(1);
        const QDate day(month.year(), month.month(), c.day);
        p->setAccessibleName(day.isValid() ? locale.toString(day, QLocale::LongFormat) : QString::number(c.day));
    }
    const int before = selectedIndex;
    selectedIndex = hoverIndex = m.selectedIndex;
    CalendarAccessible::selectionMoved(Picture1, before, selectedIndex);
}

void ZVCalendar::Private::buildDayNames()
{
    const LocaleServices locale;
    for (int i = 1; i <= 7; ++i) {
        const QString name = locale.weekdayName(i, s.dayTitle != 2);
        dayNames[i] = s.dayTitle == 0 ? name.left(1) : name;
    }
}

void ZVCalendar::Private::fillDayTitles()
{
    BatchUpdates batch(Picture1);
    const LocaleServices locale;
    for (int i = 1; i <= 7; ++i) {
        const int w = MonthFill::weekdayOfColumn(i, s.firstDayOfWeek);
        const bool weekend = w == 1 || w == 7;
        SSPanel *p = pnlCalDay[i - 1];
        p->setCaption(dayNames[w]);
        // A one-letter title means nothing read out; the full name does.
        p->setAccessibleName(locale.weekdayName(w, false));
        p->setTag(MonthFill::tagText(weekend ? Tag::CurrWeekend : Tag::Curr));
        const CellLook::Pair c = CellLook::titleColours(s.colours, weekend);
        p->setBackColor(c.back);
        p->setForeColor(c.fore);
    }
    controlResizeStep();
}

void ZVCalendar::Private::buildMonthNames()
{
    const LocaleServices locale;
    QStringList names;
    for (int m = 1; m <= 12; ++m) {
        monthNames[m] = locale.monthName(m, s.monthTitle != 1);
        names << monthNames[m];
    }
    cbxMonth->clear();
    cbxMonth->addItems(names);
}

void ZVCalendar::Private::showMonthYear()
{
    const int y = DateValue::year(s.value);
    const int m = DateValue::month(s.value);
    pnlText->setCaption(monthNames[m] + QLatin1Char(' ') + QString::number(y));
    // Setting the position from code is not a choice of the user: the list
    // acts only on its activated() signal, so nothing else happens here.
    cbxMonth->setCurrentIndex(m - 1);
    // Rewriting the same text would move the caret of a user typing there.
    const QString year = QString::number(y);
    if (txtYear->text() != year)
        showYear(year);
    controlResizeStep();
}

// ---------------------------------------------------------- apply settings

void ZVCalendar::Private::applyNumberAlignment()
{
    BatchUpdates batch(Picture1);
    for (SSPanel *p : pnlCalNum)
        setAlignment(p, s.alignmentNum);
    controlResizeStep();
}

void ZVCalendar::Private::applyDayTitleAlignment()
{
    BatchUpdates batch(Picture1);
    for (SSPanel *p : pnlCalDay)
        setAlignment(p, s.alignmentDayTitle);
    controlResizeStep();
}

void ZVCalendar::Private::applyFont()
{
    BatchUpdates batch(Picture1);
    if (s.font) {
        for (SSPanel *p : pnlCalDay)
            p->setFont(*s.font);
        for (SSPanel *p : pnlCalNum) {
            p->setFont(*s.font);
            if (p->tag() == MonthFill::tagText(Tag::CurrToday))
                p->setBold(true);
        }
    }
    controlResizeStep();
}

void ZVCalendar::Private::applyTitleFont()
{
    if (s.monthYearTitleFont)
        pnlText->setFont(*s.monthYearTitleFont);
    controlResizeStep();
}

void ZVCalendar::Private::applyArrowsFont()
{
    if (s.scrollArrowsFont) {
        for (SSCommand *b : cmdButton)
            b->setFont(*s.scrollArrowsFont);
    }
    controlResizeStep();
}

void ZVCalendar::Private::applyCaption()
{
    pnlTitleBar1->setCaption(s.caption + QLatin1Char(' '));
    controlResizeStep();
}

void ZVCalendar::Private::applyOutline()
{
    Picture1->setFrameShape(s.outline || popupFrame ? QFrame::Box : QFrame::NoFrame);
    Picture1->setLineWidth(1);
    // The border takes a pixel from each side of the inner area; the children
    // are laid out again to fit.
    layoutPass();
}

void ZVCalendar::Private::applyColors()
{
    BatchUpdates batch(Picture1);
    for (SSPanel *p : pnlCalDay) {
        const bool weekend = p->tag() == MonthFill::tagText(Tag::CurrWeekend);
        const CellLook::Pair c = CellLook::titleColours(s.colours, weekend);
        p->setBackColor(c.back);
        p->setForeColor(c.fore);
    }
    for (int n = 1; n <= 42; ++n) {
        if (const auto tag = MonthFill::tagFromText(cell(n)->tag()))
            paintCell(n, *tag);
    }
    controlResizeStep();
}

void ZVCalendar::Private::applyAppearance()
{
    BatchUpdates batch(Picture1);
    CellLook::deriveBevels(s.appearance, bevels);
    pnlText->setBevel(bevels.ordinary);
    for (SSPanel *p : pnlCalDay)
        p->setBevel(bevels.ordinary);
    for (SSPanel *p : pnlCalNum) {
        const bool selected = p->tag() == MonthFill::tagText(Tag::CurrSelected);
        p->setBevel(selected ? bevels.selected : bevels.ordinary);
    }
    controlResizeStep();
}

void ZVCalendar::Private::applyEnabled()
{
    if (s.enabled)
        showTitleBarActive();
    else
        showTitleBarInactive();
    const bool on = s.enabled;
    pnlMonthYear->setEnabled(on);
    cbxMonth->setEnabled(on);
    txtYear->setEnabled(on);
    pnlText->setEnabled(on);
    for (SSPanel *p : pnlCalDay)
        p->setEnabled(on);
    for (SSPanel *p : pnlCalNum)
        p->setEnabled(on);
    for (SSCommand *b : cmdButton)
        b->setEnabled(on);
    // The month list and the year box overlap by two pixels; the list's
    // edge stays on top.
    cbxMonth->raise();
}

void ZVCalendar::Private::applyAll()
{
    BatchUpdates batch(Picture1);
    applyEnabled();
    applyCaption();
    applyOutline();
    applyAppearance();
    applyNumberAlignment();
    applyDayTitleAlignment();
    applyColors();
    applyFont();
    applyTitleFont();
    applyArrowsFont();
    buildMonthNames();
    showMonthYear();
    buildDayNames();
    fillDayTitles();
    q->Refresh();
}

void ZVCalendar::Private::showTitleBarActive()
{
    const QPalette pal = q->palette();
    pnlTitleBar1->setBackColor(OleColor::fromQColor(pal.color(QPalette::Active, QPalette::Highlight)));
    pnlTitleBar1->setForeColor(OleColor::fromQColor(pal.color(QPalette::Active, QPalette::HighlightedText)));
}

void ZVCalendar::Private::showTitleBarInactive()
{
    // A grey bar with light text, whatever the style's inactive highlight is
    // (several styles keep it the same as the active one).
    const QPalette pal = q->palette();
    pnlTitleBar1->setBackColor(OleColor::fromQColor(pal.color(QPalette::Active, QPalette::Dark)));
    pnlTitleBar1->setForeColor(OleColor::fromQColor(pal.color(QPalette::Active, QPalette::Light)));
}

// ------------------------------------------------------------------- hover

void ZVCalendar::Private::restoreCellBevel(int k)
{
    if (k < 1 || k > 42)
        return;
    SSPanel *p = cell(k);
    const bool selected = p->tag() == MonthFill::tagText(Tag::CurrSelected);
    p->setBevel(CellLook::restoredBevel(p->bevel(), selected, bevels.ordinary, bevels));
}

void ZVCalendar::Private::hoverCell(int n)
{
    if (!s.mouseSensitiveDate || n == hoverIndex)
        return;
    restoreCellBevel(hoverIndex);
    cell(n)->setBevel(bevels.hover);
    hoverIndex = n;
}

void ZVCalendar::Private::hoverRestore()
{
    if (s.mouseSensitiveDate)
        restoreCellBevel(hoverIndex);
}
