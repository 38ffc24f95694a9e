#include "properties/pages/NumericBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace {

// After a click the line edit places the cursor on release; selecting once
// the event has been handled keeps the whole text selected.
void selectAllOnFocus(QLineEdit *box, QFocusEvent *event)
{
    box->selectAll();
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
}

} // namespace

NumericBox::NumericBox(QWidget *parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
}

void NumericBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) || (event->key() == Qt::Key_Insert && (event->modifiers() & Qt::ShiftModifier))) {
        event->accept();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && event->key() != Qt::Key_Delete) {
        const QChar c = text.at(0);
        const bool digit = text.size() == 1 && c >= u'0' && c <= u'9';
        const bool backspace = event->key() == Qt::Key_Backspace;
        if (!digit && !backspace) {
            // The box never types them; Return and Escape still reach the dialog.
            const bool dialogKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape;
            event->setAccepted(!dialogKey);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAllOnFocus(this, event);
}

void NumericBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu is not leaving the box.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit left();
}

// The middle button pastes the X selection.
void NumericBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void NumericBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void SelectingLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAllOnFocus(this, event);
}
