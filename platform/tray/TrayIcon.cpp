#include "platform/tray/TrayIcon.h"

#include <QApplication>
#include <QGuiApplication>

TrayIcon::TrayIcon(const Settings &settings, QObject *parent)
    : QObject(parent), m_settings(settings), m_icon(new QSystemTrayIcon(settings.icon, this))
{
    m_icon->setObjectName(QStringLiteral("traIcon"));
    m_icon->setToolTip(settings.tooltiptext);
    m_singleClick.setSingleShot(true);
    connect(&m_singleClick, &QTimer::timeout, this, &TrayIcon::LeftButtonClick);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
    // Test and headless platforms have no notification area to look for.
    const QString platform = QGuiApplication::platformName();
    if (settings.visible && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        m_icon->show();
}

bool TrayIcon::isAvailable() const
{
    if (m_probe)
        return m_probe();
    return QSystemTrayIcon::isSystemTrayAvailable() && m_icon->isVisible();
}

void TrayIcon::setContextMenu(QMenu *menu)
{
    m_icon->setContextMenu(menu);
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason)
{
    if (!m_settings.enabled)
        return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        // The first click of a double click arrives as a click too; wait to
        // see whether a second one follows.
        if (!m_singleClick.isActive())
            m_singleClick.start(QApplication::doubleClickInterval());
        break;
    case QSystemTrayIcon::DoubleClick:
        m_singleClick.stop();
        emit LeftButtonDoubleClick();
        break;
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}
