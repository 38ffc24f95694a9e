#include "platform/com/RegistryFile.h"

#include "platform/files/XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString RegistryFile::defaultPath()
{
    const QString overridden = qEnvironmentVariable(EnvironmentVariable);
    if (!overridden.isEmpty())
        return overridden;
    return XdgFolders::configHome() + QStringLiteral("/zorv/registry.ini");
}

RegistryFile::RegistryFile(const QString &path) : m_path(path)
{
}

QString RegistryFile::value(const QString &key) const
{
    QSettings s(m_path, QSettings::IniFormat);
    return s.value(key).toString();
}

bool RegistryFile::contains(const QString &key) const
{
    QSettings s(m_path, QSettings::IniFormat);
    return s.contains(key);
}

QStringList RegistryFile::allKeys() const
{
    QSettings s(m_path, QSettings::IniFormat);
    return s.allKeys();
}

std::optional<RegistryDamage> RegistryFile::damage() const
{
    QFile file(m_path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return RegistryDamage {0, file.errorString()};
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return RegistryDamage {0, file.errorString()};
    return registryDamage(text);
}

bool RegistryFile::write(const QList<QPair<QString, QString>> &values)
{
    // The INI reader skips what it cannot read, and writing back would lose
    // it for good.
    if (damage())
        return false;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QSettings s(m_path, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return false;
    for (const auto &[key, value] : values)
        s.setValue(key, value);
    s.sync();
    return s.status() == QSettings::NoError;
}

bool RegistryFile::remove(const QStringList &keys)
{
    if (!QFileInfo::exists(m_path))
        return true;
    if (damage())
        return false;
    QSettings s(m_path, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return false;
    for (const QString &key : keys)
        s.remove(key);
    s.sync();
    return s.status() == QSettings::NoError;
}
