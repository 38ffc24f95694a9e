#pragma once

#include "platform/com/RegistryCheck.h"

#include <QString>

// What zvcal-host tells the user about a registry file it will not use: the
// file, the line and what is wrong with it, and how to go on.
QString registryDamageMessage(const QString &path, const RegistryDamage &damage);
