#include "startup/AppTranslations.h"

#include "platform/i18n/Translator.h"

#include <QCoreApplication>
#include <QDir>

namespace AppTranslations {

void install(const QLocale &locale)
{
    Translator::installQt(locale);
    // The installed catalogs first, so that a newer one can replace the
    // catalog built into the program, which serves the build tree.
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(JOTWELL_TRANSLATIONS_FROM_BIN));
    Translator::install(QStringLiteral("jotwell"), {installed, QStringLiteral(":/i18n")}, locale);
}

} // namespace AppTranslations
