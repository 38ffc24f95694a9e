#include "core/ZVCalendar.h"

#include "core/MonthGridLayout.h"
#include "core/ZVCalendarPrivate.h"
#include "platform/Clock.h"
#include "platform/DateValue.h"
#include "platform/Dialogs.h"
#include "platform/KeyCodes.h"
#include "platform/LocaleServices.h"
#include "platform/OleColor.h"
#include "platform/SSCommand.h"
#include "platform/SSPanel.h"
#include "platform/StdFont.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

using CalendarDateMath::Step;
using MonthFill::Tag;

namespace {

// Keeps the grid container from repainting while a procedure changes many
// children; only the outermost guard turns painting back on.
class BatchUpdates
{
public:
    explicit BatchUpdates(QWidget *w) : m_w(w), m_owner(w->updatesEnabled())
    {
        if (m_owner)
            m_w->setUpdatesEnabled(false);
    }
    ~BatchUpdates()
    {
        if (m_owner)
            m_w->setUpdatesEnabled(true);
    }
    BatchUpdates(const BatchUpdates &) = delete;
    BatchUpdates &operator=(const BatchUpdates &) = delete;

private:
    QWidget *m_w;
    bool m_owner;
};

QFont designFont(bool bold)
{
    FontAttributes a;
    a.name = QStringLiteral("Arial");
    a.size = 8.25;
    a.weight = bold ? 700 : 400;
    return StdFont::toQFont(a);
}

QDate qDateOf(double value)
{
    return QDate(DateValue::year(value), DateValue::month(value), DateValue::day(value));
}

const char *const ArrowCaptions[4] = {"<<", "<", ">", ">>"};
const char *const ArrowNames[4] = {"Previous year", "Previous month", "Next month", "Next year"};
const Step ArrowSteps[4] = {Step::PreviousYear, Step::PreviousMonth, Step::NextMonth, Step::NextYear};

} // namespace

ZVCalendar::Private::Private(ZVCalendar *owner) : q(owner) {}

// ---------------------------------------------------------------- children

void ZVCalendar::Private::createChildren()
{
    Picture1 = new QFrame(q);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::NoFrame);

    pnlTitleBar0 = new SSPanel(Picture1);
    pnlTitleBar0->setObjectName(QStringLiteral("pnlTitleBar0"));
    pnlTitleBar0->setBevel(SSPanel::BevelRaised);
    pnlTitleBar1 = new SSPanel(pnlTitleBar0);
    pnlTitleBar1->setObjectName(QStringLiteral("pnlTitleBar1"));
    pnlTitleBar1->setBevel(SSPanel::BevelNone);
    pnlTitleBar1->setAlignment(SSPanel::LeftMiddle);
    pnlTitleBar1->setFont(designFont(true));
    pnlTitleBar0->setFittedChild(pnlTitleBar1, 3);

    pnlText = new SSPanel(Picture1);
    pnlText->setObjectName(QStringLiteral("pnlText"));

    pnlMonthYear = new SSPanel(Picture1);
    pnlMonthYear->setObjectName(QStringLiteral("pnlMonthYear"));
    pnlMonthYear->setBevel(SSPanel::BevelNone);
    cbxMonth = new QComboBox(pnlMonthYear);
    cbxMonth->setObjectName(QStringLiteral("cbxMonth"));
    cbxMonth->setFont(designFont(false));
    cbxMonth->setMaxVisibleItems(12);
    cbxMonth->setAccessibleName(QStringLiteral("Month"));
    txtYear = new QLineEdit(pnlMonthYear);
    txtYear->setObjectName(QStringLiteral("txtYear"));
    txtYear->setFont(designFont(false));
    txtYear->setMaxLength(4);
    txtYear->setMouseTracking(true);
    txtYear->setAccessibleName(QStringLiteral("Year"));
    cbxMonth->setGeometry(3, 3, 0, 22);
    txtYear->setGeometry(0, 3, 0, 22);

    for (int i = 0; i < 4; ++i) {
        auto *b = new SSCommand(Picture1);
        b->setObjectName(QStringLiteral("cmdButton_%1").arg(i));
        b->setCaption(QString::fromLatin1(ArrowCaptions[i]));
        b->setAccessibleName(QString::fromLatin1(ArrowNames[i]));
        b->setMouseTracking(true);
        cmdButton[i] = b;
    }
    for (int i = 1; i <= 7; ++i) {
        auto *p = new SSPanel(Picture1);
        p->setObjectName(QStringLiteral("pnlCalDay_%1").arg(i));
        pnlCalDay[i - 1] = p;
    }
    for (int n = 1; n <= 42; ++n) {
        auto *p = new SSPanel(Picture1);
        p->setObjectName(QStringLiteral("pnlCalNum_%1").arg(n));
        pnlCalNum[n - 1] = p;
    }

    // Tab goes from the year box to the month list (its key filter does so
    // too) and on to the arrow buttons.
    QWidget::setTabOrder(txtYear, cbxMonth);
    QWidget::setTabOrder(cbxMonth, cmdButton[0]);
    for (int i = 0; i < 3; ++i)
        QWidget::setTabOrder(cmdButton[i], cmdButton[i + 1]);
}

void ZVCalendar::Private::connectChildren()
{
    // Mouse events of the panels arrive by value; the host gets them by
    // reference, so they are passed on from local copies.
    auto forwardMouse = [this](SSPanel *p, bool withMove) {
        QObject::connect(p, &SSPanel::MouseDown, q, [this](short b, short sh, float x, float y) { emit q->MouseDown(b, sh, x, y); });
        QObject::connect(p, &SSPanel::MouseUp, q, [this](short b, short sh, float x, float y) { emit q->MouseUp(b, sh, x, y); });
        if (withMove)
            QObject::connect(p, &SSPanel::MouseMove, q, [this](short b, short sh, float x, float y) { emit q->MouseMove(b, sh, x, y); });
    };
    auto clicks = [this](SSPanel *p) {
        QObject::connect(p, &SSPanel::Click, q, &ZVCalendar::Click);
        QObject::connect(p, &SSPanel::DblClick, q, &ZVCalendar::DblClick);
    };

    for (int n = 1; n <= 42; ++n) {
        SSPanel *p = cell(n);
        QObject::connect(p, &SSPanel::Click, q, [this, n] { dayChoice(n); });
        QObject::connect(p, &SSPanel::DblClick, q, [this, n] { cellDoubleClick(n); });
        QObject::connect(p, &SSPanel::MouseMove, q, [this, n](short b, short sh, float x, float y) {
            QPointer<ZVCalendar> self(q);
            hoverCell(n);
            if (self)
                emit q->MouseMove(b, sh, x, y);
        });
        forwardMouse(p, false);
    }

    auto restoringMove = [this](SSPanel *p) {
        QObject::connect(p, &SSPanel::MouseMove, q, [this](short b, short sh, float x, float y) {
            hoverRestore();
            emit q->MouseMove(b, sh, x, y);
        });
    };
    for (SSPanel *p : pnlCalDay) {
        clicks(p);
        forwardMouse(p, false);
        restoringMove(p);
    }
    clicks(pnlText);
    forwardMouse(pnlText, false);
    restoringMove(pnlText);

    clicks(pnlMonthYear);
    forwardMouse(pnlMonthYear, true);

    // The title bar stays enabled so that it keeps its colours; with Enabled
    // false it is as deaf as the rest of the control.
    for (SSPanel *p : {pnlTitleBar0, pnlTitleBar1}) {
        QObject::connect(p, &SSPanel::Click, q, [this] {
            if (s.enabled)
                emit q->Click();
        });
        QObject::connect(p, &SSPanel::DblClick, q, [this] {
            if (s.enabled)
                emit q->DblClick();
        });
        QObject::connect(p, &SSPanel::MouseMove, q, [this] {
            if (s.enabled)
                hoverRestore();
        });
    }

    for (int i = 0; i < 4; ++i) {
        SSCommand *b = cmdButton[i];
        QObject::connect(b, &SSCommand::Click, q, [this, i] {
            QPointer<ZVCalendar> self(q);
            step(ArrowSteps[i]);
            if (self)
                emit q->Click();
        });
        QObject::connect(b, &SSCommand::MouseDown, q, [this](short bt, short sh, float x, float y) { emit q->MouseDown(bt, sh, x, y); });
        QObject::connect(b, &SSCommand::MouseUp, q, [this](short bt, short sh, float x, float y) { emit q->MouseUp(bt, sh, x, y); });
        QObject::connect(b, &SSCommand::MouseMove, q, [this](short bt, short sh, float x, float y) {
            hoverRestore();
            emit q->MouseMove(bt, sh, x, y);
        });
        QObject::connect(b, &SSCommand::KeyDown, q, [this](short &keyCode, short &shift) { keyDown(keyCode, shift); });
        // A plain Tab never gets here (see arrowButtonEvent); what comes is
        // passed on as it is.
        QObject::connect(b, &SSCommand::KeyPress, q, &ZVCalendar::KeyPress);
        QObject::connect(b, &SSCommand::KeyUp, q, &ZVCalendar::KeyUp);
        b->installEventFilter(q);
    }

    QObject::connect(cbxMonth, &QComboBox::activated, q, [this](int index) { monthChoice(index); });
    cbxMonth->installEventFilter(q);
    txtYear->installEventFilter(q);

    focusConnection = QObject::connect(qApp, &QApplication::focusChanged, q,
                                       [this](QWidget *old, QWidget *now) { focusChanged(old, now); });
}

// ------------------------------------------------------------ construction

ZVCalendar::ZVCalendar(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(this))
{
    setFocusPolicy(Qt::StrongFocus);
    d->createChildren();
    d->connectChildren();
    resize(sizeHint());
    InitProperties();
}

ZVCalendar::~ZVCalendar()
{
    // The children outlive this body; cut every path by which their last
    // signals (focus leaving, for one) could reach the state freed with d.
    QObject::disconnect(d->focusConnection);
    for (auto &c : d->fontConnections)
        QObject::disconnect(c);
    for (QObject *child : findChildren<QObject *>()) {
        child->disconnect(this);
        child->removeEventFilter(this);
    }
}

QSize ZVCalendar::sizeHint() const
{
    return QSize(225, 200);
}

void ZVCalendar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    d->controlResizeStep();
}

// ------------------------------------------------------------------ layout

void ZVCalendar::Private::controlResizeStep()
{
    if (Picture1->geometry() == q->rect())
        return;
    Picture1->setGeometry(q->rect());
    layoutPass();
}

void ZVCalendar::Private::layoutPass()
{
    const QRect inner = Picture1->contentsRect();
    MonthGridLayout::Input in;
    in.width = inner.width();
    in.height = inner.height();
    in.showTitleBar = s.showTitleBar;
    in.showDropdownMonth = s.showDropdownMonth;
    in.arrowsPos = s.scrollArrowsPos;
    in.monthListLeft = 3;
    const MonthGridLayout::Result r = MonthGridLayout::compute(in);
    const QPoint o = inner.topLeft();

    BatchUpdates batch(Picture1);
    pnlMonthYear->setVisible(r.dropdownShown);
    pnlText->setVisible(!r.dropdownShown);
    for (SSCommand *b : cmdButton)
        b->setVisible(r.arrowsVisible && r.arrowsPlaced);

    pnlTitleBar0->setGeometry(r.titleBar.translated(o));
    pnlTitleBar0->setVisible(r.titleBarVisible);
    if (r.arrowsPlaced) {
        for (int i = 0; i < 4; ++i)
            cmdButton[i]->setGeometry(r.arrows[i].translated(o));
    }
    if (r.dropdownShown) {
        pnlMonthYear->setGeometry(r.monthYear.translated(o));
        cbxMonth->setGeometry(r.monthList);
        txtYear->setGeometry(r.yearBox);
    } else {
        pnlText->setGeometry(r.monthYear.translated(o));
    }
    for (int i = 0; i < 7; ++i)
        pnlCalDay[i]->setGeometry(r.dayTitles[i].translated(o));
    for (int n = 0; n < 42; ++n)
        pnlCalNum[n]->setGeometry(r.cells[n].translated(o));
}

// -------------------------------------------------------- month and titles

FontRef ZVCalendar::Private::dayFont() const
{
    return s.font;
}

bool ZVCalendar::Private::fontBold() const
{
    return s.font && s.font->bold();
}

void ZVCalendar::Private::setBevel(SSPanel *panel, int bevel)
{
    // Appearance values loaded from a saved form are not checked; a value
    // the panel cannot show leaves its bevel as it is.
    if (bevel >= SSPanel::BevelNone && bevel <= SSPanel::BevelRaised)
        panel->setBevel(bevel);
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
        setBevel(p, c.tag == Tag::CurrSelected ? bevels.selected : s.appearance);

        QDate month = first;
        if (c.tag == Tag::Prev)
            month = first.addMonths(-1);
        else if (c.tag == Tag::Next)
            month = first.addMonths(1);
        const QDate day(month.year(), month.month(), c.day);
        p->setAccessibleName(day.isValid() ? locale.toString(day, QLocale::LongFormat) : QString::number(c.day));
    }
    selectedIndex = hoverIndex = m.selectedIndex;
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
    for (int i = 1; i <= 7; ++i) {
        const int w = MonthFill::weekdayOfColumn(i, s.firstDayOfWeek);
        const bool weekend = w == 1 || w == 7;
        SSPanel *p = pnlCalDay[i - 1];
        p->setCaption(dayNames[w]);
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
        txtYear->setText(year);
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
    Picture1->setFrameShape(s.outline ? QFrame::Box : QFrame::NoFrame);
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
    setBevel(pnlText, s.appearance);
    for (SSPanel *p : pnlCalDay)
        setBevel(p, s.appearance);
    for (SSPanel *p : pnlCalNum) {
        const bool selected = p->tag() == MonthFill::tagText(Tag::CurrSelected);
        setBevel(p, selected ? bevels.selected : s.appearance);
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
    setBevel(p, CellLook::restoredBevel(p->bevel(), selected, s.appearance, bevels));
}

void ZVCalendar::Private::hoverCell(int n)
{
    if (!s.mouseSensitiveDate || n == hoverIndex)
        return;
    restoreCellBevel(hoverIndex);
    setBevel(cell(n), bevels.hover);
    hoverIndex = n;
}

void ZVCalendar::Private::hoverRestore()
{
    if (s.mouseSensitiveDate)
        restoreCellBevel(hoverIndex);
}

// ----------------------------------------------------------------- methods

void ZVCalendar::Private::showLimitMessage(bool isMaximum)
{
    const QString text = QString::fromLatin1(isMaximum ? "Maximum" : "Minimum")
                         + QStringLiteral(" Calendar Date Setting Reached.");
    Dialogs::instance().messageBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("Calendar"));
}

void ZVCalendar::Private::step(Step which)
{
    const CalendarDateMath::StepOutcome out = CalendarDateMath::ApplyStep(which, s.value, s.minYear, s.maxYear);
    if (out.refused) {
        QPointer<ZVCalendar> self(q);
        showLimitMessage(out.maximum);
        // The host may have closed the control while the box was up.
        if (!self)
            return;
    } else {
        s.value = out.value;
    }
    q->Refresh();
}

void ZVCalendar::NextDay() { d->step(Step::NextDay); }
void ZVCalendar::NextWeek() { d->step(Step::NextWeek); }
void ZVCalendar::NextMonth() { d->step(Step::NextMonth); }
void ZVCalendar::NextYear() { d->step(Step::NextYear); }
void ZVCalendar::PreviousDay() { d->step(Step::PreviousDay); }
void ZVCalendar::PreviousWeek() { d->step(Step::PreviousWeek); }
void ZVCalendar::PreviousMonth() { d->step(Step::PreviousMonth); }
void ZVCalendar::PreviousYear() { d->step(Step::PreviousYear); }

void ZVCalendar::Refresh()
{
    QPointer<ZVCalendar> self(this);
    d->fillMonth(d->s.value);
    // Each comparison reads the fields as they stand: a host handler may
    // have changed the value (and refreshed) in between.
    if (d->s.value != d->lastRefreshedValue) {
        emit ValueChanged();
        if (!self)
            return;
    }
    if (DateValue::month(d->s.value) != DateValue::month(d->lastRefreshedValue)) {
        emit MonthChanged();
        if (!self)
            return;
    }
    if (DateValue::year(d->s.value) != DateValue::year(d->lastRefreshedValue)) {
        emit YearChanged();
        if (!self)
            return;
    }
    d->lastRefreshedValue = d->s.value;
}

// ------------------------------------------------------------------- input

void ZVCalendar::Private::dayChoice(int n)
{
    QPointer<ZVCalendar> self(q);
    SSPanel *p = cell(n);
    const auto tag = MonthFill::tagFromText(p->tag());
    const int y = DateValue::year(s.value);
    const int m = DateValue::month(s.value);
    const int d = p->caption().toInt();

    if (tag == Tag::Prev || tag == Tag::Next) {
        const bool prev = tag == Tag::Prev;
        const bool atLimit = prev ? (y == s.minYear && m == 1) : (y == s.maxYear && m == 12);
        if (!atLimit) {
            if (const auto v = DateValue::dateSerial(y, prev ? m - 1 : m + 1, d)) {
                s.value = *v;
                q->Refresh();
            }
        }
    } else if (n != selectedIndex) {
        const int k = selectedIndex;
        SSPanel *old = cell(k);
        const MonthFill::Cell mark = MonthFill::markCurrent(k, y, m, old->caption().toInt(), s.firstDayOfWeek,
                                                           Clock::today(), fontBold());
        paintCell(k, mark.tag);
        old->setBold(mark.bold);
        setBevel(old, s.appearance);

        paintCell(n, Tag::CurrSelected);
        setBevel(p, bevels.selected);

        if (const auto v = DateValue::fromDate(y, m, d))
            s.value = *v;
        selectedIndex = hoverIndex = n;
        emit q->ValueChanged();
    }
    if (self)
        emit q->Click();
}

void ZVCalendar::Private::cellDoubleClick(int n)
{
    const auto tag = MonthFill::tagFromText(cell(n)->tag());
    if (tag == Tag::CurrToday || tag == Tag::CurrSelected || tag == Tag::CurrWeekend)
        emit q->DblClick();
}

void ZVCalendar::Private::monthChoice(int index)
{
    // Only a choice of the user reaches here (activated); positions set by
    // showMonthYear change nothing, so they cannot strip the time of day.
    const auto v = DateValue::dateSerial(DateValue::year(s.value), index + 1, DateValue::day(s.value));
    QPointer<ZVCalendar> self(q);
    if (v) {
        s.value = *v;
        q->Refresh();
    }
    if (self)
        emit q->Click();
}

void ZVCalendar::Private::validateYear()
{
    bool numeric = false;
    const int typed = txtYear->text().trimmed().toInt(&numeric);
    if (numeric && typed != DateValue::year(s.value)) {
        const int y = CalendarDateMath::ClampYear(typed, s.minYear, s.maxYear);
        if (const auto v = CalendarDateMath::MoveToYear(s.value, y)) {
            // A new date, without the time of day.
            s.value = DateValue::datePart(*v);
            QPointer<ZVCalendar> self(q);
            q->Refresh();
            if (!self)
                return;
        }
    }
    txtYear->setText(QString::number(DateValue::year(s.value)));
}

void ZVCalendar::Private::keyDown(short &keyCode, short &shift)
{
    QPointer<ZVCalendar> self(q);
    switch (keyCode) {
    case KeyCodes::Left:
        step(Step::PreviousDay);
        keyCode = 0;
        break;
    case KeyCodes::Right:
        step(Step::NextDay);
        keyCode = 0;
        break;
    case KeyCodes::Up:
        step(Step::PreviousWeek);
        keyCode = 0;
        break;
    case KeyCodes::Down:
        step(Step::NextWeek);
        keyCode = 0;
        break;
    default:
        break;
    }
    if (self)
        emit q->KeyDown(keyCode, shift);
}

void ZVCalendar::Private::arrowKeyPress(int i, short &keyAscii)
{
    if (keyAscii == KeyCodes::Tab) {
        SSCommand *next = cmdButton[(i + 1) % 4];
        if (next->isVisible())
            next->setFocus(Qt::TabFocusReason);
        keyAscii = 0;
    }
    emit q->KeyPress(keyAscii);
}

bool ZVCalendar::Private::yearBoxEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->key() == Qt::Key_Backtab || (ke->key() == Qt::Key_Tab && (ke->modifiers() & Qt::ShiftModifier)))
            return false;
        QPointer<ZVCalendar> self(q);
        short keyCode = KeyCodes::virtualKey(ke);
        short shift = KeyCodes::shiftState(ke->modifiers());
        keyDown(keyCode, shift);
        if (!self)
            return true;
        const short ascii = KeyCodes::keyAscii(ke);
        if (ascii < 0)
            return keyCode == 0; // a key the handlers took keeps off the caret
        // Editing shortcuts (Ctrl+C, Ctrl+V, ...) stay the box's own; what
        // they bring in is checked when the year is validated.
        const bool shortcut = (ke->modifiers() & Qt::ControlModifier) && ascii < 32;
        bool consumed = true;
        if ((ascii >= '0' && ascii <= '9') || ascii == KeyCodes::Back || shortcut) {
            consumed = false;
        } else if (ascii == KeyCodes::Return) {
            validateYear();
        } else if (ascii == KeyCodes::Tab) {
            if (cbxMonth->isVisible())
                cbxMonth->setFocus(Qt::TabFocusReason);
        }
        if (!self)
            return true;
        // The host sees the character as typed; what it does to its copy
        // does not reach the box.
        short copy = ascii;
        emit q->KeyPress(copy);
        return consumed;
    }
    case QEvent::KeyRelease: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->isAutoRepeat())
            return false;
        short keyCode = KeyCodes::virtualKey(ke);
        short shift = KeyCodes::shiftState(ke->modifiers());
        emit q->KeyUp(keyCode, shift);
        return false;
    }
    case QEvent::FocusIn: {
        auto *fe = static_cast<QFocusEvent *>(event);
        // A click places the caret after the focus arrives; select once it has.
        if (fe->reason() == Qt::MouseFocusReason)
            QMetaObject::invokeMethod(txtYear, &QLineEdit::selectAll, Qt::QueuedConnection);
        else
            txtYear->selectAll();
        return false;
    }
    case QEvent::FocusOut: {
        auto *fe = static_cast<QFocusEvent *>(event);
        // A context menu or another application taking over is not the user
        // leaving the box.
        if (fe->reason() != Qt::PopupFocusReason && fe->reason() != Qt::ActiveWindowFocusReason)
            validateYear();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        short shift = KeyCodes::shiftState(me->modifiers());
        float x = float(me->position().x());
        float y = float(me->position().y());
        QPointer<ZVCalendar> self(q);
        if (event->type() == QEvent::MouseButtonPress) {
            if (me->button() == Qt::LeftButton)
                yearBoxAfterDoubleClick = false;
            short button = KeyCodes::mouseButton(me->button());
            emit q->MouseDown(button, shift, x, y);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // The release that ends a double click is no click of its own.
            const bool click = me->button() == Qt::LeftButton && !yearBoxAfterDoubleClick
                               && txtYear->rect().contains(me->position().toPoint());
            if (me->button() == Qt::LeftButton)
                yearBoxAfterDoubleClick = false;
            short button = KeyCodes::mouseButton(me->button());
            emit q->MouseUp(button, shift, x, y);
            if (self && click)
                emit q->Click();
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            if (me->button() == Qt::LeftButton)
                yearBoxAfterDoubleClick = true;
            emit q->DblClick();
        } else {
            short buttons = KeyCodes::mouseButtons(me->buttons());
            emit q->MouseMove(buttons, shift, x, y);
        }
        return !self;
    }
    default:
        return false;
    }
}

bool ZVCalendar::Private::monthListEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick)
        emit q->DblClick();
    return false;
}

bool ZVCalendar::Private::arrowButtonEvent(int i, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *ke = static_cast<QKeyEvent *>(event);
    // Shift+Tab (which may come as Tab with Shift) keeps its ordinary way
    // backwards, so the ring of buttons can always be left.
    if (ke->key() != Qt::Key_Tab || (ke->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // Tab would move the focus before the button saw it; it is the button's
    // key-down and key-press here instead, and goes round the four buttons.
    QPointer<ZVCalendar> self(q);
    short keyCode = KeyCodes::Tab;
    short shift = 0;
    keyDown(keyCode, shift);
    if (!self)
        return true;
    short keyAscii = KeyCodes::Tab;
    arrowKeyPress(i, keyAscii);
    return true;
}

bool ZVCalendar::Private::contains(const QWidget *w) const
{
    // Across window boundaries too: the month list's pop-up is a window of
    // its own whose parent is the list.
    for (; w; w = w->parentWidget()) {
        if (w == q)
            return true;
    }
    return false;
}

void ZVCalendar::Private::focusChanged(QWidget *old, QWidget *now)
{
    const bool wasIn = contains(old);
    const bool isIn = contains(now);
    if (!wasIn && isIn) {
        if (s.enabled)
            showTitleBarActive();
    } else if (wasIn && !isIn) {
        hoverRestore();
        showTitleBarInactive();
        if (s.mouseSensitiveDate)
            restoreCellBevel(selectedIndex);
    }
}

bool ZVCalendar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->txtYear)
        return d->yearBoxEvent(event);
    if (watched == d->cbxMonth)
        return d->monthListEvent(event);
    for (int i = 0; i < 4; ++i) {
        if (watched == d->cmdButton[i])
            return d->arrowButtonEvent(i, event);
    }
    return QWidget::eventFilter(watched, event);
}

bool ZVCalendar::Private::keyOfAChild() const
{
    // A key the year box or the month list left unused comes up to the
    // control next; the year box has raised its key events already and the
    // month list has none, so it only passes on to the control's parent.
    const QWidget *focus = QApplication::focusWidget();
    return focus && focus != q && contains(focus);
}

void ZVCalendar::keyPressEvent(QKeyEvent *event)
{
    // With Enabled false the control answers only its methods and properties.
    if (!d->s.enabled || d->keyOfAChild()) {
        event->ignore();
        return;
    }
    QPointer<ZVCalendar> self(this);
    short keyCode = KeyCodes::virtualKey(event);
    short shift = KeyCodes::shiftState(event->modifiers());
    d->keyDown(keyCode, shift);
    if (!self)
        return;
    short keyAscii = KeyCodes::keyAscii(event);
    if (keyAscii >= 0) {
        emit KeyPress(keyAscii);
        if (!self)
            return;
    }
    // Keys nobody took go on to the parent (Escape to a pop-up, Enter to a
    // dialog's default button).
    if (keyCode == 0)
        event->accept();
    else
        event->ignore();
}

void ZVCalendar::keyReleaseEvent(QKeyEvent *event)
{
    if (!d->s.enabled || event->isAutoRepeat() || d->keyOfAChild()) {
        event->ignore();
        return;
    }
    short keyCode = KeyCodes::virtualKey(event);
    short shift = KeyCodes::shiftState(event->modifiers());
    emit KeyUp(keyCode, shift);
    event->ignore();
}
