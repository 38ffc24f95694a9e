#include "platform/seams/Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

namespace {

Dialogs *installedDialogs = nullptr;

QMessageBox::Icon toQtIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Dialogs::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Dialogs::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The window a box belongs to: the modal window that is up, else the window in
// front, else the application's main window, shown or hidden. A box is modal
// to that window only, never to the whole application, so that windows of
// their own (the notification-area icon and its menu) keep answering under it.
QWidget *owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow(); active && active->windowType() != Qt::Popup)
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (qobject_cast<QMainWindow *>(window))
            return window;
    return nullptr;
}

} // namespace

Dialogs &Dialogs::instance()
{
    static QtDialogs qtDialogs;
    return installedDialogs ? *installedDialogs : qtDialogs;
}

void Dialogs::install(Dialogs *dialogs)
{
    installedDialogs = dialogs;
}

Dialogs::Answer QtDialogs::messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    QPointer<QMessageBox> box = new QMessageBox(toQtIcon(icon), title, text, toQtButtons(buttons), owner());
    box->setWindowModality(Qt::WindowModal);
    // Texts carry what the user typed (a searched name, a date); never read them as markup.
    box->setTextFormat(Qt::PlainText);
    const int result = box->exec();
    // The box may have lost its parent window while it was up; only delete it if it still exists.
    delete box;
    switch (result) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        break;
    }
    // Escape or closing the box: the safest answer the buttons allow.
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
        break;
    }
    return Answer::Cancel;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    QPointer<QInputDialog> box = new QInputDialog(owner());
    box->setWindowModality(Qt::WindowModal);
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->setTextValue(defaultText);
    const bool ok = box->exec() == QDialog::Accepted;
    const QString text = box ? box->textValue() : QString();
    delete box;
    return ok ? text : QString();
}

void QtDialogs::beep()
{
    QApplication::beep();
}
