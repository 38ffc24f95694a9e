#include "core/ZVCalendar.h"

#include "core/CalendarAccessible.h"
#include "core/MonthGridLayout.h"
#include "core/ZVCalendarPrivate.h"
#include "platform/dates/DateValue.h"
#include "platform/seams/Dialogs.h"
#include "platform/widgets/SSCommand.h"
#include "platform/widgets/SSPanel.h"
#include "platform/objects/StdFont.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>

using CalendarDateMath::Step;
using MonthFill::Tag;

namespace {

QFont designFont(bool bold)
{
    FontAttributes a;
    a.name = QStringLiteral("Arial");
    a.size = 8.25;
    a.weight = bold ? 700 : 400;
    return StdFont::toQFont(a);
}

const char *const ArrowCaptions[4] = {"<<", "<", ">", ">>"};
const char *const ArrowNames[4] = {QT_TRANSLATE_NOOP("ZVCalendar", "Previous year"), QT_TRANSLATE_NOOP("ZVCalendar", "Previous month"),
                                   QT_TRANSLATE_NOOP("ZVCalendar", "Next month"), QT_TRANSLATE_NOOP("ZVCalendar", "Next year")};
const Step ArrowSteps[4] = {Step::PreviousYear, Step::PreviousMonth, Step::NextMonth, Step::NextYear};

} // namespace

ZVCalendar::Private::Private(ZVCalendar *owner) : q(owner) {}

// ---------------------------------------------------------------- children

void ZVCalendar::Private::createChildren()
{
    Picture1 = new CalendarGrid(q);
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
        b->setAccessibleName(QCoreApplication::translate("ZVCalendar", ArrowNames[i]));
        b->setMouseTracking(true);
        cmdButton[i] = b;
    }
    for (int i = 1; i <= 7; ++i) {
        auto *p = new DayPanel(Picture1);
        p->setObjectName(QStringLiteral("pnlCalDay_%1").arg(i));
        pnlCalDay[i - 1] = p;
    }
    for (int n = 1; n <= 42; ++n) {
        auto *p = new DayPanel(Picture1);
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
    CalendarAccessible::attach(this);
    setFocusPolicy(Qt::StrongFocus);
    d->createChildren();
    d->connectChildren();
    // Every pixel is painted, also where no child lies (right of the year
    // box): a calendar dropped over a form must not show the form through.
    d->Picture1->setAutoFillBackground(true);
    resize(sizeHint());
    InitProperties();
}

void ZVCalendar::setPopupFrame(bool on)
{
    d->popupFrame = on;
    d->applyOutline();
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

// ----------------------------------------------------------------- methods

void ZVCalendar::Private::showLimitMessage(bool isMaximum)
{
    const QString text = isMaximum ? QCoreApplication::translate("ZVCalendar", "Maximum Calendar Date Setting Reached.")
                                   : QCoreApplication::translate("ZVCalendar", "Minimum Calendar Date Setting Reached.");
    Dialogs::instance().messageBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QCoreApplication::translate("ZVCalendar", "Calendar"));
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
