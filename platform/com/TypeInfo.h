#pragma once

#include "platform/com/Dispatch.h"

#include <QList>
#include <QString>
#include <memory>

// Readable type information of a control library: what a host or a designer
// needs to list the classes, call members by identifier and show enumerations.

enum class TypeKind {
    DispatchInterface, // a dual interface reached through IDispatch
    EventInterface,    // dispatch-only: a host implements it to receive events
    CoClass,
    Enumeration,
};

enum TypeFlag : std::uint32_t {
    TYPEFLAG_HIDDEN = 0x1,
    TYPEFLAG_DUAL = 0x2,
    TYPEFLAG_NONEXTENSIBLE = 0x4,
    TYPEFLAG_OLEAUTOMATION = 0x8,
    TYPEFLAG_CREATABLE = 0x10,
    TYPEFLAG_CONTROL = 0x20,
};

enum LibraryFlag : std::uint32_t {
    LIBFLAG_CONTROL = 0x2,
};

// The type of a member or argument: the variant type that carries it and, for
// named types (enumerations, colours, fonts, pictures), that type's name.
struct TypeRef
{
    VarType varType = VarType::Empty;
    QString name; // "enumCALAppearance", "OLE_COLOR", "StdFont", "StdPicture", ... or empty
};

struct ParamInfo
{
    QString name;
    TypeRef type;
    bool byRef = false;
};

struct MemberInfo
{
    QString name;
    DISPID dispid = DISPID_UNKNOWN;
    std::uint16_t kinds = 0; // InvokeKind bits: the accessors it has, or DISPATCH_METHOD
    TypeRef type;            // of the property; Empty for methods and events
    QList<ParamInfo> params;
    QString help;

    bool isProperty() const { return (kinds & DISPATCH_METHOD) == 0; }
};

struct EnumConstant
{
    QString name;
    std::int32_t value = 0;
    QString help;
};

struct TypeEntry
{
    QString name;
    TypeKind kind = TypeKind::DispatchInterface;
    std::uint32_t flags = 0; // TypeFlag bits
    Guid guid;
    std::uint16_t majorVersion = 1;
    std::uint16_t minorVersion = 0;
    QString help;
    QString defaultInterface; // co-classes
    QString defaultSource;    // co-classes that raise events
    QList<MemberInfo> members;
    QList<EnumConstant> constants;

    const MemberInfo *member(const QString &name) const;
    const MemberInfo *member(DISPID id) const;
};

struct LibraryAttributes
{
    QString name;
    QString help;
    std::uint16_t majorVersion = 0;
    std::uint16_t minorVersion = 0;
    std::uint32_t lcid = 0;
    QString target;
    std::uint32_t flags = 0; // LibraryFlag bits
    QString helpFile;
    std::uint32_t helpContext = 0;
    Guid guid;
};

// Types a library takes from other libraries, by library and type name.
struct ImportedType
{
    QString library;
    QString name;
};

// The property pages a designer shows for a class, in order.
struct PageBinding
{
    QString className;
    QStringList pages;
};

// The version record of the library file.
struct VersionRecord
{
    int major = 0, minor = 0, build = 0, revision = 0;
    QString fileVersionText; // as shown to the user
    QString fileDescription;
    QString productName;
    QString internalName;
    QString originalFilename;
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    bool selfRegistering = false;
};

struct TypeLibraryInfo
{
    LibraryAttributes attributes;
    QList<ImportedType> imports;
    QList<TypeEntry> entries;
    QList<PageBinding> pages;
    VersionRecord version;

    const TypeEntry *entry(const QString &name) const;
    const TypeEntry *entry(const Guid &guid) const;
};

inline constexpr Guid IID_IProvideTypeLibrary {0x7A3C1E05, 0x52D4, 0x4B8E, {0x9E, 0x10, 0x3D, 0x61, 0x0B, 0x55, 0x11, 0x05}};

// Type information handed out by a library: its holders share it, and the
// library counts it as a live object until the last one lets go, so that it is
// not unloaded from under them.
using TypeLibraryRef = std::shared_ptr<const TypeLibraryInfo>;

// Implemented by a library's objects and class factories.
struct IProvideTypeLibrary : IUnknown
{
    virtual HRESULT GetTypeLibrary(TypeLibraryRef *info) = 0;

protected:
    ~IProvideTypeLibrary() = default;
};
