#pragma once

#include "zvcal/ZVCal.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QObject>
#include <QPixmap>
#include <functional>

class QWidget;

// One control of libZVCal.so inside a Qt widget, reached only through the
// library's entry points and interfaces: made by its class factory as newly
// placed, sited in the widget and filling it, its properties read and written
// by name with Qt values. The widget's enabled state is the control's Enabled;
// with mirrorFont() its font is the control's Font as well.
class ControlBinding : public QObject
{
    Q_OBJECT

public:
    // Told of every write the control refuses: the property, the control's
    // error number and text.
    using RefusalHandler = std::function<void(const QString &name, int number, const QString &text)>;

    ControlBinding(const Guid &clsid, QWidget *host, RefusalHandler refused);
    ~ControlBinding() override;

    IDispatch *dispatch() const { return m_dispatch.get(); }
    QWidget *controlWidget() const { return m_widget; }

    // Connects the host's sink for the control's events until destruction.
    void connectEvents(IDispatch *sink);
    // Keeps the host's font and the named font property of the control one.
    void mirrorFont(const QString &property);

    // Reads: a default value when the property cannot be read.
    QString text(const QString &name) const;
    int integer(const QString &name) const;
    bool boolean(const QString &name) const;
    QDate date(const QString &name) const;
    QColor color(const QString &name) const;
    QFont font(const QString &name) const;
    QPixmap picture(const QString &name) const;

    // Writes: false, after telling the refusal handler, when refused.
    bool put(const QString &name, const Variant &value);
    bool setDate(const QString &name, const QDate &value);
    bool setColor(const QString &name, const QColor &color);
    bool setFont(const QString &name, const QFont &font);
    bool setPicture(const QString &name, const QPixmap &picture);

    // Calls a method without arguments.
    void call(const QString &name);

    // The dialog with the pages bound to the control's class; true on OK.
    bool showPropertyDialog(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Site;
    void changed(const QString &name);
    void refuse(const QString &name, int number, const QString &text);
    // Makes the host's enabled state and font what the control holds now.
    void syncHost();

    QWidget *m_host;
    RefusalHandler m_refused;
    ComPtr<IDispatch> m_dispatch;
    ComPtr<IControl> m_control;
    ComPtr<IControlSite> m_site;
    ComPtr<IEventSource> m_events;
    std::uint32_t m_cookie = 0;
    TypeLibraryRef m_library;
    QString m_className;
    QString m_fontProperty;
    QWidget *m_widget = nullptr;
    bool m_syncing = false;
    bool m_forwarding = false;
};
