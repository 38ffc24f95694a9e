#pragma once

#include "platform/dates/LocaleServices.h"

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

// The desk clock: today's weekday, the day of the month in large figures,
// the month and year, and the time, refreshed once a second. A small
// fixed tool window without a taskbar button, destroyed when it closes.
class frmCalendar : public QWidget
{
    Q_OBJECT
public:
    explicit frmCalendar(QWidget *parent = nullptr);

    void tmrDate_Timer();

private:
    void Form_Load();

    LocaleServices m_locale;
    QLabel *lblDay = nullptr;
    QLabel *lblDate = nullptr;
    QLabel *lblMonth = nullptr;
    QLabel *lblTime = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QTimer *tmrDate = nullptr;
};
