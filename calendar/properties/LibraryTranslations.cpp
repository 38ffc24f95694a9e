#include "properties/LibraryTranslations.h"

#include "platform/i18n/Translator.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace zvcal {

namespace {

// The folder the catalogs are installed in, found from this library's own
// file, as the host may live anywhere.
QString installedFolder()
{
    Dl_info info {};
    if (!dladdr(reinterpret_cast<void *>(&installLibraryTranslations), &info) || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteDir().filePath(QStringLiteral(ZVCAL_TRANSLATIONS_FROM_LIB));
}

} // namespace

void installLibraryTranslations()
{
    Translator::installQt();
    QStringList folders {QStringLiteral(":/i18n")};
    if (const QString installed = installedFolder(); !installed.isEmpty())
        folders.prepend(installed);
    Translator::install(QStringLiteral("zvcal"), folders);
}

} // namespace zvcal
