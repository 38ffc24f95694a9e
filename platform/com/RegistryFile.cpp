#include "platform/com/RegistryFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString RegistryFile::defaultPath()
{
    const QString overridden = qEnvironmentVariable(EnvironmentVariable);
    if (!overridden.isEmpty())
        return overridden;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The base directory rules ignore a relative XDG_CONFIG_HOME: it would
    // move the registry with the current directory.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/zorv/registry.ini");
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

bool RegistryFile::write(const QList<QPair<QString, QString>> &values)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QSettings s(m_path, QSettings::IniFormat);
    for (const auto &[key, value] : values)
        s.setValue(key, value);
    s.sync();
    return s.status() == QSettings::NoError;
}

bool RegistryFile::remove(const QStringList &keys)
{
    if (!QFileInfo::exists(m_path))
        return true;
    QSettings s(m_path, QSettings::IniFormat);
    for (const QString &key : keys)
        s.remove(key);
    s.sync();
    return s.status() == QSettings::NoError;
}
