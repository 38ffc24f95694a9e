#pragma once

#include "zvcal/ZVCal.h"

#include "platform/com/PropertyPage.h"

#include <QString>
#include <QWidget>

class PropertyBag;
class EventPrinter;

// One control placed by ProgID through a library's entry points: the library
// is found through the registry file (registered first when the ProgID is not
// there yet), the control is created through its class factory, sited in the
// given window and reached by name afterwards.
class ControlHost
{
public:
    ControlHost() = default;
    ControlHost(const ControlHost &) = delete;
    ControlHost &operator=(const ControlHost &) = delete;
    ~ControlHost();

    // defaultLibrary is the file to load and register when the ProgID is not
    // registered. On failure *error says why.
    bool create(const QString &progId, const QString &defaultLibrary, QWidget *window, QString *error);

    QWidget *widget() const { return m_widget; }
    IDispatch *dispatch() const { return m_dispatch.get(); }
    IControl *control() const { return m_control.get(); }
    // The control's default interface as its type information describes it.
    const TypeEntry *defaultInterface() const { return m_interface; }

    // The control's class and the property pages bound to it, in order.
    QString className() const { return m_className; }
    QStringList propertyPages() const;
    // A page by name: a class of the control's library, else one of the
    // platform's standard pages; null when neither knows the name.
    ComPtr<IPropertyPage> createPage(const QString &name) const;

    // Writes one property by name, the text typed by the member's type:
    // int, bool (true/false), date YYYY-MM-DD, colour &HBBGGRR or decimal,
    // enumeration value or constant name, font "Face,size[,bold][,italic]...",
    // string. On failure *error holds the message (with the control's error
    // number and text when it refused the value).
    bool setProperty(const QString &name, const QString &text, QString *error);
    Variant property(const QString &name) const;

    // Releases the control, its connection and its type information; the
    // library stays loaded.
    void release();
    HRESULT canUnloadNow() const;

private:
    bool loadLibrary(const QString &path, QString *error);
    bool putProperty(const QString &name, const QString &text, QString *error);

    void *m_handle = nullptr;
    DllGetClassObjectFn m_getClassObject = nullptr;
    DllCanUnloadNowFn m_canUnloadNow = nullptr;
    TypeLibraryRef m_library;
    const TypeEntry *m_interface = nullptr;
    QString m_className;
    ComPtr<IDispatch> m_dispatch;
    ComPtr<IControl> m_control;
    ComPtr<IEventSource> m_events;
    ComPtr<IDispatch> m_sink;
    std::uint32_t m_cookie = 0;
    QWidget *m_widget = nullptr;
};

// Formats a date value as YYYY-MM-DD.
QString isoDate(double serial);
