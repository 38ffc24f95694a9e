#include "properties/Registration.h"

#include "properties/LibraryClasses.h"
#include "properties/TypeLibrary.h"
#include "zvcal/ZVCalIds.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace zvcal {

namespace {

QString typeLibraryVersion()
{
    const LibraryAttributes &a = typeLibrary().attributes;
    return QStringLiteral("%1.%2").arg(a.majorVersion).arg(a.minorVersion);
}

QString progIdKey(const LibraryClass &c)
{
    return QStringLiteral("ProgID/%1/CLSID").arg(c.progId);
}

} // namespace

QList<QPair<QString, QString>> registrationEntries(const QString &libraryPath)
{
    QList<QPair<QString, QString>> out;
    const QString libid = LIBID_ZORVCalendar.toString();
    for (const LibraryClass &c : libraryClasses()) {
        if (!c.create)
            continue;
        const QString key = QStringLiteral("CLSID/%1/").arg(c.clsid.toString());
        out.append({key + QStringLiteral("Name"), c.name});
        out.append({key + QStringLiteral("ProgID"), c.progId});
        out.append({key + QStringLiteral("InprocServer"), libraryPath});
        out.append({key + QStringLiteral("ThreadingModel"), QStringLiteral("Apartment")});
        if (c.control) {
            out.append({key + QStringLiteral("Control"), QStringLiteral("1")});
            out.append({key + QStringLiteral("ToolboxBitmap"), QStringLiteral("%1,%2").arg(libraryPath).arg(c.toolboxBitmap)});
        }
        out.append({key + QStringLiteral("TypeLib"), libid});
        out.append({key + QStringLiteral("Version"), typeLibraryVersion()});
        out.append({progIdKey(c), c.clsid.toString()});
    }
    for (const TypeEntry &e : typeLibrary().entries) {
        if (e.kind != TypeKind::DispatchInterface && e.kind != TypeKind::EventInterface)
            continue;
        const QString key = QStringLiteral("Interface/%1/").arg(e.guid.toString());
        out.append({key + QStringLiteral("Name"), e.name});
        out.append({key + QStringLiteral("TypeLib"), libid});
    }
    const QString lib = QStringLiteral("TypeLib/%1/%2/").arg(libid, typeLibraryVersion());
    out.append({lib + QStringLiteral("Name"), typeLibrary().attributes.help});
    out.append({lib + QStringLiteral("Path"), libraryPath});
    out.append({lib + QStringLiteral("Flags"), QString::number(typeLibrary().attributes.flags)});
    out.append({lib + QStringLiteral("HelpFile"), typeLibrary().attributes.helpFile});
    return out;
}

HRESULT registerLibrary(RegistryFile &registry, const QString &libraryPath)
{
    return registry.write(registrationEntries(libraryPath)) ? S_OK : SELFREG_E_CLASS;
}

HRESULT unregisterLibrary(RegistryFile &registry)
{
    QStringList keys;
    for (const auto &entry : registrationEntries(QString()))
        keys.append(entry.first);
    // A ProgID that another library has taken over since is not ours to remove.
    for (const LibraryClass &c : libraryClasses()) {
        const QString key = progIdKey(c);
        if (registry.contains(key) && registry.value(key) != c.clsid.toString())
            keys.removeAll(key);
    }
    return registry.remove(keys) ? S_OK : SELFREG_E_CLASS;
}

QString libraryFilePath()
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&libraryFilePath), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace zvcal
