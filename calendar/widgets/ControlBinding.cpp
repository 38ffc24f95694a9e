#include "ControlBinding.h"

#include "QtValues.h"

#include "platform/com/RefCounted.h"
#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"
#include "platform/pages/ByName.h"
#include "platform/pages/PageObject.h"
#include "platform/pages/PropertyDialog.h"
#include "platform/pages/StandardPage.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

// What the host widget offers its control: itself as parent, the font of the
// form it sits on as the ambient font, and the property-changed notification.
class ControlBinding::Site final : public RefCounted<IControlSite>
{
public:
    explicit Site(ControlBinding *binding) : m_binding(binding) {}

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        return queryAs(iid, object, {IID_IUnknown, IID_IControlSite});
    }
    QWidget *ParentWidget() override { return m_binding ? m_binding->m_host : nullptr; }
    FontRef AmbientFont() override
    {
        const QWidget *form = m_binding ? m_binding->m_host->parentWidget() : nullptr;
        return StdFont::fromQFont(form ? form->font() : QApplication::font());
    }
    void OnChanged(const QString &name) override
    {
        if (m_binding)
            m_binding->changed(name);
    }

private:
    QPointer<ControlBinding> m_binding;
};

ControlBinding::ControlBinding(const Guid &clsid, QWidget *host, RefusalHandler refused)
    : m_host(host), m_refused(std::move(refused))
{
    ComPtr<IClassFactory> factory;
    if (FAILED(DllGetClassObject(clsid, IID_IClassFactory, factory.putVoid()))
        || FAILED(factory->CreateInstance(nullptr, IID_IDispatch, m_dispatch.putVoid())))
        return;
    m_control = m_dispatch.query<IControl>(IID_IControl);
    auto types = m_dispatch.query<IProvideTypeLibrary>(IID_IProvideTypeLibrary);
    if (!m_control || !types || FAILED(types->GetTypeLibrary(&m_library)) || !m_library)
        return;
    if (const TypeEntry *coClass = m_library->entry(clsid))
        m_className = coClass->name;
    m_site = ComPtr<IControlSite>::adopt(new Site(this));
    m_control->SetSite(m_site.get());
    m_control->InitProperties();
    m_control->GetWidget(&m_widget);
    if (m_widget) {
        m_widget->setGeometry(host->rect());
        // Focus given to the host, or a Tab onto it, goes to the control.
        host->setFocusProxy(m_widget);
        host->setFocusPolicy(m_widget->focusPolicy());
    }
    m_events = m_dispatch.query<IEventSource>(IID_IEventSource);
    host->installEventFilter(this);
    syncHost();
}

// Releasing the control destroys its widget while the host still stands.
ControlBinding::~ControlBinding()
{
    if (m_events && m_cookie)
        m_events->Unadvise(m_cookie);
    if (m_control)
        m_control->SetSite(nullptr);
    m_events.reset();
    m_control.reset();
    m_dispatch.reset();
    m_site.reset();
}

void ControlBinding::connectEvents(IDispatch *sink)
{
    const TypeEntry *coClass = m_library ? m_library->entry(m_className) : nullptr;
    const TypeEntry *source = coClass ? m_library->entry(coClass->defaultSource) : nullptr;
    if (m_events && source)
        m_events->Advise(source->guid, sink, &m_cookie);
}

void ControlBinding::mirrorFont(const QString &property)
{
    m_fontProperty = property;
    syncHost();
}

namespace {

Variant read(IDispatch *dispatch, const QString &name)
{
    try {
        return dispatch ? ByName::get(dispatch, name) : Variant();
    } catch (const PropertyError &) {
        return {};
    }
}

} // namespace

QString ControlBinding::text(const QString &name) const
{
    const Variant v = read(m_dispatch.get(), name);
    return v.type() == VarType::String ? v.toString() : QString();
}

int ControlBinding::integer(const QString &name) const
{
    Variant number;
    return SUCCEEDED(read(m_dispatch.get(), name).convert(VarType::Int32, number)) ? number.toInt32() : 0;
}

bool ControlBinding::boolean(const QString &name) const
{
    const Variant v = read(m_dispatch.get(), name);
    return v.type() == VarType::Bool && v.toBool();
}

QDate ControlBinding::date(const QString &name) const
{
    const Variant v = read(m_dispatch.get(), name);
    return v.type() == VarType::Date ? QtValues::toQDate(v.toDate()) : QDate();
}

QColor ControlBinding::color(const QString &name) const
{
    Variant number;
    if (FAILED(read(m_dispatch.get(), name).convert(VarType::Int32, number)))
        return {};
    return QtValues::toQColor(number.toInt32());
}

QFont ControlBinding::font(const QString &name) const
{
    const Variant v = read(m_dispatch.get(), name);
    return v.type() == VarType::Font && v.toFont() ? v.toFont()->toQFont() : QFont();
}

QPixmap ControlBinding::picture(const QString &name) const
{
    const Variant v = read(m_dispatch.get(), name);
    return v.type() == VarType::Picture ? QtValues::toQPixmap(v.toPicture()) : QPixmap();
}

bool ControlBinding::put(const QString &name, const Variant &value)
{
    ExcepInfo excep;
    if (SUCCEEDED(ByName::put(m_dispatch.get(), name, value, &excep)))
        return true;
    refuse(name, excep.number, excep.description);
    return false;
}

bool ControlBinding::setDate(const QString &name, const QDate &value)
{
    const std::optional<DATE> serial = QtValues::fromQDate(value);
    if (!serial) {
        // The date type cannot hold it: the caller's conversion fails.
        refuse(name, QtValues::TypeMismatch, QtValues::typeMismatchText());
        return false;
    }
    return put(name, Variant::fromDate(*serial));
}

bool ControlBinding::setColor(const QString &name, const QColor &color)
{
    if (!color.isValid()) {
        refuse(name, QtValues::TypeMismatch, QtValues::typeMismatchText());
        return false;
    }
    return put(name, Variant(std::int32_t(QtValues::fromQColor(color))));
}

bool ControlBinding::setFont(const QString &name, const QFont &font)
{
    try {
        return put(name, Variant(StdFont::fromQFont(font)));
    } catch (const PropertyError &e) {
        refuse(name, e.number(), e.text());
        return false;
    }
}

bool ControlBinding::setPicture(const QString &name, const QPixmap &picture)
{
    return put(name, Variant(QtValues::fromQPixmap(picture)));
}

void ControlBinding::call(const QString &name)
{
    DISPID id = DISPID_UNKNOWN;
    if (!m_dispatch || FAILED(m_dispatch->GetIDsOfNames(name, &id)))
        return;
    QList<Variant> none;
    m_dispatch->Invoke(id, DISPATCH_METHOD, none, nullptr, nullptr);
}

namespace {

ComPtr<IPropertyPage> createPage(const TypeLibraryInfo *library, const QString &name)
{
    ComPtr<IPropertyPage> page;
    const TypeEntry *entry = library ? library->entry(name) : nullptr;
    if (entry && entry->kind == TypeKind::CoClass) {
        ComPtr<IClassFactory> factory;
        if (SUCCEEDED(DllGetClassObject(entry->guid, IID_IClassFactory, factory.putVoid())))
            factory->CreateInstance(nullptr, IID_IPropertyPage, page.putVoid());
    } else if (PropertyPageWidget *widget = createStandardPage(name)) {
        page = ComPtr<IPropertyPage>::adopt(PageObject::create(widget));
    }
    return page;
}

} // namespace

bool ControlBinding::showPropertyDialog(QWidget *parent)
{
    if (!m_library)
        return false;
    QStringList pages;
    for (const PageBinding &b : m_library->pages)
        if (b.className == m_className)
            pages = b.pages;
    const QString name = m_host->objectName().isEmpty() ? m_className : m_host->objectName();
    const TypeLibraryInfo *library = m_library.get();
    PropertyDialog dialog(tr("%1 Properties").arg(name), pages, [library](const QString &page) { return createPage(library, page); },
                          {m_dispatch.get()}, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The font pages may have changed a font object in place.
    syncHost();
    return accepted;
}

bool ControlBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && !m_syncing) {
        switch (event->type()) {
        case QEvent::Resize:
            if (m_widget)
                m_widget->setGeometry(m_host->rect());
            break;
        case QEvent::EnabledChange:
            // The widget's own setting: a disabled parent disables the
            // control's widgets anyway.
            if (boolean(QStringLiteral("Enabled")) == m_host->testAttribute(Qt::WA_ForceDisabled))
                put(QStringLiteral("Enabled"), Variant(!m_host->testAttribute(Qt::WA_ForceDisabled)));
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // A key sent to the host itself is the control's; one the control
            // leaves goes on up from the host as usual.
            if (m_widget && !m_forwarding) {
                QWidget *target = m_widget;
                while (target->focusProxy())
                    target = target->focusProxy();
                m_forwarding = true;
                QCoreApplication::sendEvent(target, event);
                m_forwarding = false;
                // Delivered up the chain already if the control left it.
                event->accept();
                return true;
            }
            break;
        case QEvent::FontChange:
            if (!m_fontProperty.isEmpty() && m_host->font() != font(m_fontProperty))
                setFont(m_fontProperty, m_host->font());
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ControlBinding::changed(const QString &name)
{
    if (name.compare(u"Enabled", Qt::CaseInsensitive) == 0
        || (!m_fontProperty.isEmpty() && name.compare(m_fontProperty, Qt::CaseInsensitive) == 0))
        syncHost();
}

void ControlBinding::refuse(const QString &name, int number, const QString &text)
{
    if (m_refused)
        m_refused(name, number, text);
}

void ControlBinding::syncHost()
{
    if (!m_dispatch || m_syncing)
        return;
    m_syncing = true;
    m_host->setEnabled(boolean(QStringLiteral("Enabled")));
    if (!m_fontProperty.isEmpty()) {
        const QFont now = font(m_fontProperty);
        if (m_host->font() != now)
            m_host->setFont(now);
    }
    m_syncing = false;
}
