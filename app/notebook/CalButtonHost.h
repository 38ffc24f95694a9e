#pragma once

#include "zvcal/ZVCal.h"

#include <QString>
#include <functional>

class QWidget;

// The main window's calendar button: a ZVCalButton of the control library,
// created through the library's class factory as any host would, sited on
// the window, restored from the window's saved settings and listened to for
// its Click.
class CalButtonHost
{
public:
    CalButtonHost() = default;
    CalButtonHost(const CalButtonHost &) = delete;
    CalButtonHost &operator=(const CalButtonHost &) = delete;
    ~CalButtonHost();

    // Creates the control in parent and loads it from the property bag text
    // at settingsPath. On failure *error says why and no control is left.
    bool create(QWidget *parent, const QString &settingsPath, std::function<void()> onClick, QString *error);

    QWidget *widget() const { return m_widget; }
    _ZVCalButton *control() const { return m_button.get(); }
    // The date picked last; 0 when there is no control.
    double calValue() const;

private:
    void release();

    ComPtr<_ZVCalButton> m_button;
    ComPtr<IEventSource> m_events;
    std::uint32_t m_cookie = 0;
    QWidget *m_widget = nullptr;
};
