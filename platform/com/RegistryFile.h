#pragma once

#include "platform/com/RegistryCheck.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// The per-user registry of in-process servers: an INI file under the user's
// configuration directory, or at the path in ZVCAL_REGISTRY_FILE when set (so
// tests and private installs use a file of their own). Keys are paths joined
// with '/', e.g. "CLSID/{...}/ProgID".
class RegistryFile
{
public:
    static constexpr const char *EnvironmentVariable = "ZVCAL_REGISTRY_FILE";
    static QString defaultPath();

    explicit RegistryFile(const QString &path = defaultPath());

    QString path() const { return m_path; }
    QString value(const QString &key) const;
    bool contains(const QString &key) const;
    // Every key in the file.
    QStringList allKeys() const;

    // The first line of the file that cannot be read as it stands (line 0
    // when the file cannot be read at all); none for a missing file.
    std::optional<RegistryDamage> damage() const;

    // Both return false when the file could not be written. A damaged file is
    // never written: it keeps every byte, for the user to mend.
    bool write(const QList<QPair<QString, QString>> &values);
    bool remove(const QStringList &keys);

private:
    QString m_path;
};
