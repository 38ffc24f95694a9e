#pragma once

#include "platform/com/HResult.h"
#include "platform/com/RegistryFile.h"

#include <QList>
#include <QPair>
#include <QString>

// What registering the library writes to the registry file, and the writing
// and removing of it.
namespace zvcal {

// Every key and value registration writes for a library file at libraryPath:
// per class "CLSID/{...}/..." (name, ProgID, server path, threading model,
// control marker, toolbox bitmap, type library and its version), per class
// "ProgID/<progid>/CLSID", per interface "Interface/{...}/..." and the type
// library's "TypeLib/{...}/9.0/...".
QList<QPair<QString, QString>> registrationEntries(const QString &libraryPath);

// SELFREG_E_CLASS when the file is damaged (RegistryFile::damage) or cannot
// be written; a damaged file is left as it was.
HRESULT registerLibrary(RegistryFile &registry, const QString &libraryPath);
// Removes the keys registration writes and nothing else: a ProgID that now
// names another class is left alone. Fails like registerLibrary.
HRESULT unregisterLibrary(RegistryFile &registry);

// The absolute path of the file this code was loaded from.
QString libraryFilePath();

} // namespace zvcal
