#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

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

    // Both return false when the file could not be written.
    bool write(const QList<QPair<QString, QString>> &values);
    bool remove(const QStringList &keys);

private:
    QString m_path;
};
