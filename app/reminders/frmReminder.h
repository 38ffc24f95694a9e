#pragma once

#include <QDialog>
#include <QPointer>

class LocaleServices;
class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
struct NoteRecord;

// The window that shows one due note: its date, contact and text. Shown
// modally by the reminder pass; OK hides it, Delete presses the main window's
// Delete button (with its confirmation) and closes it.
class frmReminder : public QDialog
{
    Q_OBJECT
public:
    // mainDelete is the main window's cmdDelete; owner is the main window, the
    // one window the reminder is modal to.
    frmReminder(QAbstractButton *mainDelete, QWidget *owner);

    void showNote(const NoteRecord &note, const LocaleServices &locale);
    // The short date, followed by the long time when the value has a time of
    // day; empty for a value that is no date.
    static QString dateText(double serial, const LocaleServices &locale);

    void cmdOK_Click();
    void cmdDelete_Click();

private:
    QPointer<QAbstractButton> m_mainDelete;
    QLabel *Image1 = nullptr;
    QLabel *lblDate = nullptr;
    QLabel *lbldDate = nullptr;
    QLabel *lblContact = nullptr;
    QLabel *lbldContact = nullptr;
    QLabel *lblNote = nullptr;
    QLabel *lbldNote = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdOK = nullptr;
};
