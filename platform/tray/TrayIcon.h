#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>

class QMenu;

// An icon in the desktop's notification area with a tooltip, over
// QSystemTrayIcon. A single left click and a double click are told apart by
// waiting the double-click interval after the first click: a double click
// raises LeftButtonDoubleClick only, never also LeftButtonClick.
//
// The flashing settings are kept for what they say; flashing is never shown.
// Where the desktop has no notification area the object still works: the
// icon appears once an area comes up, and isAvailable() says whether one is
// there now.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    struct Settings
    {
        QIcon icon;
        QString tooltiptext;
        bool enabled = true;
        bool visible = true;
        bool trueclick = true;
        QIcon flashicon;
        qint16 flashinterval = 1000;
        bool flashenabled = false;
        qint16 flashsound = 0;
    };

    explicit TrayIcon(const Settings &settings, QObject *parent = nullptr);

    const Settings &settings() const { return m_settings; }
    // Whether a notification area shows the icon now.
    bool isAvailable() const;
    // For tests: answers isAvailable() instead of the desktop.
    void setAvailabilityProbe(std::function<bool()> probe) { m_probe = std::move(probe); }
    // Offered on a right click, as notification areas commonly do.
    void setContextMenu(QMenu *menu);

signals:
    void LeftButtonClick();
    void LeftButtonDoubleClick();

private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    Settings m_settings;
    QSystemTrayIcon *m_icon = nullptr;
    QTimer m_singleClick;
    std::function<bool()> m_probe;
};
