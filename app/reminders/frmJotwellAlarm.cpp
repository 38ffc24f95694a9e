// The alarm of the main window and its one-second clock tick.
#include "Version.h"
#include "notebook/frmJotwell.h"
#include "platform/dates/DateValue.h"
#include "platform/seams/Clock.h"
#include "platform/seams/Dialogs.h"
#include "platform/tray/TrayIcon.h"

#include <QLineEdit>
#include <QTimer>

void frmJotwell::tmrTime_Timer()
{
    const double now = Clock::nowSerial();
    const QString nowText = m_locale.longTime(now);
    txtTime->setText(nowText);
    setWindowTitle(isMinimized() ? nowText : Version::caption());
    // A hidden window whose notification area went away would be out of reach.
    if (isHidden() && !m_unloaded && !m_tray->isAvailable())
        showMinimized();

    const std::optional<double> alarm = m_alarm.value();
    const QString alarmText = alarm ? m_locale.generalDate(*alarm) : m_alarm.text();
    const double timeOfDay = DateValue::timePart(now);
    if (!m_alarm.tick(now - timeOfDay, timeOfDay, nowText, alarmText))
        return;
    Dialogs::instance().beep();
    // Shown once this tick has ended: a timer is not run again while its own
    // handler waits, and the clock goes on ticking under the message.
    const QString message = tr("You have to: ") + m_alarm.memo().toUpper() + tr(" at ") + nowText;
    const QString title = tr("ALARM");
    QTimer::singleShot(0, this, [message, title] {
        Dialogs::instance().messageBox(message, Dialogs::Buttons::Ok, Dialogs::Icon::Information, title);
    });
}

void frmJotwell::cmdAlarm_Click()
{
    const DateValue::Parts now = DateValue::toParts(Clock::nowSerial());
    const QString placeholder = QStringLiteral("%1:%2").arg(now.hour, 2, 10, QLatin1Char('0'))
                                    .arg(now.minute, 2, 10, QLatin1Char('0'));
    m_alarm.setText(placeholder);
    m_alarm.setSuspended(true);
    Dialogs &dialogs = Dialogs::instance();
    const QString memo = dialogs.inputBox(tr("Enter Memo For Alarm:"), tr("MEMO"));
    m_alarm.setMemo(memo);
    if (memo.isEmpty()) {
        m_alarm.setSuspended(false);
        return;
    }
    const QString answer = dialogs.inputBox(tr("Enter alarm time:"), tr("ALARM"), placeholder);
    m_alarm.setSuspended(false);
    if (answer.isEmpty()) {
        m_alarm.setText(QString());
        return;
    }
    const std::optional<double> value = m_locale.parse(answer);
    if (value && DateValue::isValid(*value)) {
        m_alarm.setValue(*value);
        return;
    }
    m_alarm.setText(answer);
    dialogs.messageBox(tr("The time you entered was not valid."), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                       Version::title());
}

void frmJotwell::mnuAlarm_Click()
{
    cmdAlarm_Click();
}
