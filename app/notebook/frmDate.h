#pragma once

#include "platform/dates/LocaleServices.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPushButton;

// "Select a Date": two buttons that put today's or tomorrow's date into the
// main window's date box and close the window. Closing it from its title bar
// changes nothing. It deletes itself when closed.
class frmDate : public QWidget
{
    Q_OBJECT
public:
    frmDate(QLineEdit *txtDate, QWidget *parent);

    void cmdNow_Click();
    void cmdTomorrow_Click();

private:
    void putDate(double serial);

    QPointer<QLineEdit> m_txtDate;
    LocaleServices m_locale;
    QPushButton *cmdNow = nullptr;
    QPushButton *cmdTomorrow = nullptr;
};
