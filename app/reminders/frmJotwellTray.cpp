// The tray side of the main window: its Alarm and Hide buttons, the clock
// box and picture, the tray icon and its menu, and what they do.
#include "Version.h"
#include "notebook/Twips.h"
#include "notebook/WidgetEvents.h"
#include "notebook/WindowPlacement.h"
#include "notebook/frmJotwell.h"
#include "platform/seams/Dialogs.h"
#include "platform/tray/TrayIcon.h"
#include "reminders/frmCalendar.h"
#include "reminders/frmReminder.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *widget = new QPushButton(caption, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(left, top, 1095, 375));
    widget->setAutoDefault(false);
    return widget;
}

QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void separator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

void frmJotwell::buildTrayControls()
{
    QWidget *client = centralWidget();
    // Alarm and Hide take the free places of the first button row, Hide
    // above Exit; the clock box and the picture sit right of the reminder
    // period.
    cmdAlarm = button(client, "cmdAlarm", tr("&Alarm"), 3975, 4845);
    cmdHide = button(client, "cmdHide", tr("&Hide"), 5175, 4845);
    Picture1 = new QLabel(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(Twips::rect(5430, 3885, 480, 480));
    // The window's icon, read once for the window, the picture and the tray.
    Picture1->setPixmap(windowIcon().pixmap(32, 32));
    Picture1->setToolTip(tr("About %1").arg(Version::title()));
    txtTime = new QLineEdit(client);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtTime->setGeometry(Twips::rect(5055, 4410, 1215, 315));
    txtTime->setReadOnly(true);
    txtTime->setFocusPolicy(Qt::NoFocus);
    txtTime->setAlignment(Qt::AlignCenter);

    setTabOrder(cmdNext, cmdAlarm);
    setTabOrder(cmdAlarm, cmdHide);
    setTabOrder(cmdHide, cmdExit);

    tmrTime = new QTimer(this);
    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(1000);

    TrayIcon::Settings tray;
    tray.icon = windowIcon();
    tray.tooltiptext = Version::caption();
    tray.flashicon = tray.icon;
    m_tray = new TrayIcon(tray, this);
}

void frmJotwell::buildTrayMenu()
{
    // The tray icon's pop-up menu; owned by the window, never in its menu bar.
    mnuShell = new QMenu(tr("TrayMenu"), this);
    mnuShell->setObjectName(QStringLiteral("mnuShell"));
    mnuOpen = item(mnuShell, "mnuOpen", tr("Open"));
    mnuDate = item(mnuShell, "mnuDate", tr("Calendar"));
    mnuDate->setCheckable(true);
    separator(mnuShell, "mnuSep2");
    mnuRemind = item(mnuShell, "mnuRemind", tr("Remind"));
    mnuRemind->setCheckable(true);
    separator(mnuShell, "mnuSep3");
    mnuNew = item(mnuShell, "mnuNew", tr("New Note"));
    mnuAlarm = item(mnuShell, "mnuAlarm", tr("New Alarm"));
    separator(mnuShell, "mnuSep");
    mnuClose = item(mnuShell, "mnuClose", tr("Close"));
    m_tray->setContextMenu(mnuShell);
}

void frmJotwell::connectTrayHandlers()
{
    connect(tmrTime, &QTimer::timeout, this, &frmJotwell::tmrTime_Timer);
    connect(cmdAlarm, &QPushButton::clicked, this, &frmJotwell::cmdAlarm_Click);
    connect(mnuAlarm, &QAction::triggered, this, &frmJotwell::mnuAlarm_Click);
    connect(cmdHide, &QPushButton::clicked, this, &frmJotwell::cmdHide_Click);
    connect(mnuHide, &QAction::triggered, this, &frmJotwell::mnuHide_Click);
    connect(m_tray, &TrayIcon::LeftButtonClick, this, &frmJotwell::traIcon_LeftButtonClick);
    connect(m_tray, &TrayIcon::LeftButtonDoubleClick, this, &frmJotwell::traIcon_LeftButtonDoubleClick);
    connect(mnuOpen, &QAction::triggered, this, &frmJotwell::mnuOpen_Click);
    connect(mnuDate, &QAction::triggered, this, &frmJotwell::mnuDate_Click);
    connect(mnuNew, &QAction::triggered, this, &frmJotwell::mnuNew_Click);
    connect(mnuClose, &QAction::triggered, this, &frmJotwell::mnuClose_Click);
    onLeftMouse(Picture1, QEvent::MouseButtonRelease, [this] { Picture1_Click(); });
    onLeftMouse(txtContact, QEvent::MouseButtonDblClick, [this] { txtContact_DblClick(); });
}

bool frmJotwell::reminderWindowUp() const
{
    // Also while a message box of the reminder (its delete question) is on top of it.
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWidget *window) {
        return qobject_cast<const frmReminder *>(window) && window->isVisible() && window->isModal();
    });
}

void frmJotwell::refuseWhileReminding()
{
    Dialogs::instance().messageBox(tr("Can't display window!") + QLatin1Char('\r')
                                       + tr("Remove current Reminders first."),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Critical, tr("Error displaying Window!"));
}

void frmJotwell::bringBack()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void frmJotwell::traIcon_LeftButtonClick()
{
    mnuShell->popup(QCursor::pos());
}

void frmJotwell::traIcon_LeftButtonDoubleClick()
{
    // The reminder window is what the user has to answer first: bring it forward.
    if (QWidget *modal = QApplication::activeModalWidget(); modal && reminderWindowUp()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    bringBack();
}

void frmJotwell::mnuOpen_Click()
{
    if (reminderWindowUp()) {
        refuseWhileReminding();
        return;
    }
    bringBack();
}

void frmJotwell::mnuDate_Click()
{
    // The item has already inverted its own check mark.
    if (reminderWindowUp()) {
        mnuDate->setChecked(!mnuDate->isChecked());
        refuseWhileReminding();
        return;
    }
    if (!m_clock) {
        m_clock = new frmCalendar(this);
        // Beside the main window, where the user looks, even while it is hidden.
        if (const QScreen *screen = this->screen())
            m_clock->move(WindowPlacement::besideWindow(frameGeometry(), m_clock->frameSize(), screen->availableGeometry()));
    }
    m_clock->show();
    // The mark records whether this item opened the clock, not whether it is
    // open: after the clock's own close box, the next choice opens and at
    // once closes it, clearing the mark.
    if (!mnuDate->isChecked())
        m_clock->close();
}

void frmJotwell::mnuNew_Click()
{
    if (reminderWindowUp()) {
        refuseWhileReminding();
        return;
    }
    bringBack();
    cmdNew_Click();
}

void frmJotwell::mnuClose_Click()
{
    cmdExit_Click();
    // A reminder that is up goes with the program; its pass shows no more.
    const QList<frmReminder *> reminders = findChildren<frmReminder *>(Qt::FindDirectChildrenOnly);
    for (frmReminder *reminder : reminders)
        reminder->reject();
}

void frmJotwell::cmdHide_Click()
{
    // Without a notification area a hidden window could never be reached
    // again; it is minimized instead until an area comes up.
    if (m_tray->isAvailable())
        hide();
    else
        showMinimized();
}

void frmJotwell::mnuHide_Click()
{
    cmdHide_Click();
}
