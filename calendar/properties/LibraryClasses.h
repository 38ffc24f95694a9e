#pragma once

#include "platform/com/Unknown.h"

#include <QList>
#include <QString>

// The classes of the library: identifier, ProgID, whether it is a control
// (and its toolbox bitmap resource), and how to create an object of it.
// A class without a creator is not handed out and not registered.
namespace zvcal {

struct LibraryClass
{
    Guid clsid;
    QString name;
    QString progId;
    bool control = false;
    int toolboxBitmap = 0;
    IUnknown *(*create)() = nullptr;
};

const QList<LibraryClass> &libraryClasses();
const LibraryClass *findClass(const Guid &clsid);

} // namespace zvcal
