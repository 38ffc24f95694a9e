#include "platform/com/TypeInfo.h"

const MemberInfo *TypeEntry::member(const QString &name) const
{
    for (const MemberInfo &m : members)
        if (m.name.compare(name, Qt::CaseInsensitive) == 0)
            return &m;
    return nullptr;
}

const MemberInfo *TypeEntry::member(DISPID id) const
{
    for (const MemberInfo &m : members)
        if (m.dispid == id)
            return &m;
    return nullptr;
}

const TypeEntry *TypeLibraryInfo::entry(const QString &name) const
{
    for (const TypeEntry &e : entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

const TypeEntry *TypeLibraryInfo::entry(const Guid &guid) const
{
    for (const TypeEntry &e : entries)
        if (e.guid == guid)
            return &e;
    return nullptr;
}
