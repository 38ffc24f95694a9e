#include "RegistryDamageMessage.h"

#include <QCoreApplication>

QString registryDamageMessage(const QString &path, const RegistryDamage &damage)
{
    if (damage.line == 0)
        return QCoreApplication::translate("ControlHost",
                                           "the registry file \"%1\" cannot be read: %2. Nothing was registered. Make the file "
                                           "readable, or move it away to start an empty registry, then start zvcal-host again.")
            .arg(path, damage.reason);
    return QCoreApplication::translate("ControlHost",
                                       "the registry file \"%1\" is damaged at line %2: %3. Nothing was registered and the file "
                                       "was left as it was. Mend or remove that line, or move the file away to start an empty "
                                       "registry, then start zvcal-host again.")
        .arg(path)
        .arg(damage.line)
        .arg(damage.reason);
}
