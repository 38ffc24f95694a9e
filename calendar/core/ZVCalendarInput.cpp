// The calendar's answers to the mouse, the keys and the focus on its children.
#include "core/ZVCalendar.h"

#include "core/CalendarAccessible.h"
#include "core/ZVCalendarPrivate.h"
#include "platform/seams/Clock.h"
#include "platform/dates/DateValue.h"
#include "platform/text/KeyCodes.h"
#include "platform/widgets/SSCommand.h"
#include "platform/widgets/SSPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

using CalendarDateMath::Step;
using MonthFill::Tag;

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
        old->setBevel(bevels.ordinary);

        paintCell(n, Tag::CurrSelected);
        p->setBevel(bevels.selected);

        if (const auto v = DateValue::fromDate(y, m, d))
            s.value = *v;
        selectedIndex = hoverIndex = n;
        CalendarAccessible::selectionMoved(Picture1, k, n);
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
    showYear(QString::number(DateValue::year(s.value)));
}

// The year box may be narrower than four digits: it shows the start of the
// year, not the caret's end of it.
void ZVCalendar::Private::showYear(const QString &year)
{
    txtYear->setText(year);
    txtYear->setCursorPosition(0);
}

void ZVCalendar::Private::selectYear()
{
    // Selected backwards, so the caret and the view stay at the start.
    txtYear->setSelection(int(txtYear->text().size()), -int(txtYear->text().size()));
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
            QMetaObject::invokeMethod(q, [this] { selectYear(); }, Qt::QueuedConnection);
        else
            selectYear();
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
