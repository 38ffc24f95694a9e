#include "ControlHost.h"

#include "EventPrinter.h"
#include "RegistryDamageMessage.h"

#include "platform/com/WindowSite.h"
#include "platform/dates/DateValue.h"
#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"
#include "platform/com/RegistryFile.h"
#include "platform/pages/PageObject.h"
#include "platform/pages/StandardPage.h"

#include <QFileInfo>

#include <dlfcn.h>

QString isoDate(double serial)
{
    if (!DateValue::isValid(serial))
        return QString::number(serial);
    const DateValue::Parts p = DateValue::toParts(serial);
    return QStringLiteral("%1-%2-%3").arg(p.year, 4, 10, QChar(u'0')).arg(p.month, 2, 10, QChar(u'0')).arg(p.day, 2, 10, QChar(u'0'));
}

ControlHost::~ControlHost()
{
    release();
}

bool ControlHost::loadLibrary(const QString &path, QString *error)
{
    // The library stays loaded for the life of the process: objects it made
    // may still be referenced by Qt (meta types, pending deletions).
    if (path.isEmpty()) {
        *error = QStringLiteral("no library file registered");
        return false;
    }
    m_handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!m_handle) {
        *error = QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(dlerror()));
        return false;
    }
    m_getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(m_handle, "DllGetClassObject"));
    m_canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(dlsym(m_handle, "DllCanUnloadNow"));
    if (!m_getClassObject || !m_canUnloadNow) {
        *error = QStringLiteral("%1 is not a control library").arg(path);
        return false;
    }
    return true;
}

namespace {

// Loads a library file only to run its registration.
bool registerLibraryFile(const QString &path, const RegistryFile &registry, QString *error)
{
    void *lib = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!lib) {
        *error = QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(dlerror()));
        return false;
    }
    auto reg = reinterpret_cast<DllRegisterServerFn>(dlsym(lib, "DllRegisterServer"));
    const HRESULT hr = reg ? reg() : E_FAIL;
    if (FAILED(hr)) {
        // The file may have been damaged since it was looked at.
        if (const std::optional<RegistryDamage> damage = registry.damage())
            *error = registryDamageMessage(registry.path(), *damage);
        else
            *error = QStringLiteral("registering %1 failed (0x%2)").arg(path).arg(quint32(hr), 8, 16, QChar(u'0'));
        return false;
    }
    return true;
}

} // namespace

bool ControlHost::create(const QString &progId, const QString &defaultLibrary, QWidget *window, QString *error)
{
    RegistryFile registry;
    // A file that cannot be read whole may answer wrongly and must not be
    // written; the user mends it first.
    if (const std::optional<RegistryDamage> damage = registry.damage()) {
        *error = registryDamageMessage(registry.path(), *damage);
        return false;
    }
    const QString progKey = QStringLiteral("ProgID/%1/CLSID").arg(progId);
    auto serverOf = [&registry](const Guid &clsid) { return registry.value(QStringLiteral("CLSID/%1/InprocServer").arg(clsid.toString())); };
    // A registration that is missing, whose class identifier is damaged or
    // whose library file has gone is renewed from the library at hand, once.
    std::optional<Guid> clsid = Guid::parse(registry.value(progKey));
    if (!clsid || !loadLibrary(serverOf(*clsid), error)) {
        if (!registerLibraryFile(defaultLibrary, registry, error))
            return false;
        clsid = Guid::parse(registry.value(progKey));
        if (!clsid) {
            *error = registry.contains(progKey) ? QStringLiteral("the registry entry of %1 is damaged").arg(progId)
                                                : QStringLiteral("%1 does not provide %2").arg(defaultLibrary, progId);
            return false;
        }
        if (!loadLibrary(serverOf(*clsid), error))
            return false;
    }

    ComPtr<IClassFactory> factory;
    HRESULT hr = m_getClassObject(*clsid, IID_IClassFactory, factory.putVoid());
    if (FAILED(hr)) {
        *error = QStringLiteral("%1 is not available (0x%2)").arg(progId).arg(quint32(hr), 8, 16, QChar(u'0'));
        return false;
    }
    hr = factory->CreateInstance(nullptr, IID_IDispatch, m_dispatch.putVoid());
    if (FAILED(hr)) {
        *error = QStringLiteral("cannot create %1 (0x%2)").arg(progId).arg(quint32(hr), 8, 16, QChar(u'0'));
        return false;
    }
    m_control = m_dispatch.query<IControl>(IID_IControl);
    auto types = m_dispatch.query<IProvideTypeLibrary>(IID_IProvideTypeLibrary);
    if (!m_control || !types || FAILED(types->GetTypeLibrary(&m_library))) {
        *error = QStringLiteral("%1 is not a control").arg(progId);
        return false;
    }
    const TypeEntry *coClass = m_library->entry(*clsid);
    m_className = coClass ? coClass->name : QString();
    m_interface = coClass ? m_library->entry(coClass->defaultInterface) : nullptr;
    const TypeEntry *source = coClass ? m_library->entry(coClass->defaultSource) : nullptr;
    if (!m_interface) {
        *error = QStringLiteral("%1 has no type information").arg(progId);
        return false;
    }

    // Events are connected first, so that those raised while loading show too.
    m_events = m_dispatch.query<IEventSource>(IID_IEventSource);
    if (m_events && source) {
        m_sink = ComPtr<IDispatch>::adopt(EventPrinter::create(*source, m_dispatch.get()));
        m_events->Advise(source->guid, m_sink.get(), &m_cookie);
    }

    auto site = ComPtr<IControlSite>::adopt(WindowSite::create(window));
    m_control->SetSite(site.get());
    m_control->GetWidget(&m_widget);
    return m_widget != nullptr;
}

QStringList ControlHost::propertyPages() const
{
    if (m_library)
        for (const PageBinding &b : m_library->pages)
            if (b.className == m_className)
                return b.pages;
    return {};
}

ComPtr<IPropertyPage> ControlHost::createPage(const QString &name) const
{
    ComPtr<IPropertyPage> page;
    const TypeEntry *entry = m_library ? m_library->entry(name) : nullptr;
    if (entry && entry->kind == TypeKind::CoClass) {
        ComPtr<IClassFactory> factory;
        if (SUCCEEDED(m_getClassObject(entry->guid, IID_IClassFactory, factory.putVoid())))
            factory->CreateInstance(nullptr, IID_IPropertyPage, page.putVoid());
        return page;
    }
    if (PropertyPageWidget *widget = createStandardPage(name))
        page = ComPtr<IPropertyPage>::adopt(PageObject::create(widget));
    return page;
}

Variant ControlHost::property(const QString &name) const
{
    DISPID id = DISPID_UNKNOWN;
    if (!m_dispatch || FAILED(m_dispatch->GetIDsOfNames(name, &id)))
        return {};
    QList<Variant> none;
    Variant result;
    m_dispatch->Invoke(id, DISPATCH_PROPERTYGET, none, &result, nullptr);
    return result;
}

namespace {

bool parseValue(const MemberInfo &member, const TypeLibraryInfo &library, const QString &text, Variant *out, QString *error)
{
    switch (member.type.varType) {
    case VarType::Bool:
        if (text.compare(u"true", Qt::CaseInsensitive) == 0)
            *out = Variant(true);
        else if (text.compare(u"false", Qt::CaseInsensitive) == 0)
            *out = Variant(false);
        else
            break;
        return true;
    case VarType::Date: {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        const std::optional<double> serial = d.isValid() ? DateValue::fromDate(d.year(), d.month(), d.day()) : std::nullopt;
        if (!serial)
            break;
        *out = Variant::fromDate(*serial);
        return true;
    }
    case VarType::String:
        *out = Variant(text);
        return true;
    case VarType::Font: {
        const QStringList parts = text.split(u',');
        bool ok = false;
        const double size = parts.size() >= 2 ? parts[1].trimmed().toDouble(&ok) : 0;
        if (!ok || parts[0].trimmed().isEmpty())
            break;
        FontAttributes a;
        a.name = parts[0].trimmed();
        a.size = size;
        for (const QString &word : parts.mid(2)) {
            const QString w = word.trimmed().toLower();
            if (w == u"bold") a.weight = 700;
            else if (w == u"italic") a.italic = true;
            else if (w == u"underline") a.underline = true;
            else if (w == u"strikethrough") a.strikethrough = true;
            else return *error = QStringLiteral("unknown font attribute \"%1\"").arg(word), false;
        }
        *out = Variant(StdFont::create(a));
        return true;
    }
    case VarType::Int16:
    case VarType::Int32: {
        // An enumeration also takes its constants by name.
        if (const TypeEntry *e = library.entry(member.type.name)) {
            for (const EnumConstant &c : e->constants)
                if (c.name.compare(text, Qt::CaseInsensitive) == 0)
                    return *out = Variant(c.value), true;
        }
        Variant number;
        if (FAILED(Variant(text).convert(member.type.varType, number)) || text.contains(u'.'))
            break;
        *out = number;
        return true;
    }
    default:
        break;
    }
    *error = QStringLiteral("\"%1\" is not a value of type %2").arg(text, member.type.name.isEmpty() ? varTypeName(member.type.varType) : member.type.name);
    return false;
}

} // namespace

bool ControlHost::setProperty(const QString &name, const QString &text, QString *error)
{
    // A font built from the text refuses a size it cannot have with the same
    // error the control's setters give; nothing thrown gets past the host.
    try {
        return putProperty(name, text, error);
    } catch (const PropertyError &e) {
        *error = QStringLiteral("error %1: %2").arg(e.number()).arg(e.text());
    } catch (const std::exception &e) {
        *error = QString::fromLocal8Bit(e.what());
    }
    return false;
}

bool ControlHost::putProperty(const QString &name, const QString &text, QString *error)
{
    const MemberInfo *member = m_interface ? m_interface->member(name) : nullptr;
    if (!member || !member->isProperty()) {
        *error = QStringLiteral("no property named %1").arg(name);
        return false;
    }
    const bool byRef = member->kinds & DISPATCH_PROPERTYPUTREF;
    if (!byRef && !(member->kinds & DISPATCH_PROPERTYPUT)) {
        *error = QStringLiteral("%1 is read-only").arg(member->name);
        return false;
    }
    Variant value;
    if (!parseValue(*member, *m_library, text, &value, error))
        return false;
    QList<Variant> args {value};
    ExcepInfo excep;
    const HRESULT hr = m_dispatch->Invoke(member->dispid, byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, args, nullptr, &excep);
    if (hr == DISP_E_EXCEPTION) {
        *error = QStringLiteral("error %1: %2").arg(excep.number).arg(excep.description);
        return false;
    }
    if (FAILED(hr)) {
        *error = QStringLiteral("failed (0x%1)").arg(quint32(hr), 8, 16, QChar(u'0'));
        return false;
    }
    return true;
}

void ControlHost::release()
{
    if (m_events && m_cookie)
        m_events->Unadvise(m_cookie);
    m_cookie = 0;
    if (m_control)
        m_control->SetSite(nullptr);
    m_widget = nullptr;
    m_events.reset();
    m_sink.reset();
    m_control.reset();
    m_dispatch.reset();
    m_interface = nullptr;
    m_library.reset();
}

HRESULT ControlHost::canUnloadNow() const
{
    return m_canUnloadNow ? m_canUnloadNow() : S_OK;
}
