#include "platform/i18n/Translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Translator {

bool install(const QString &name, const QStringList &folders, const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    const QString objectName = name + QStringLiteral("_translator");
    if (app->findChild<QTranslator *>(objectName, Qt::FindDirectChildrenOnly))
        return true;
    // The interface languages in the user's order; English is the text in
    // the code, so a preference for it ends the search.
    for (const QString &language : locale.uiLanguages()) {
        const QLocale wanted(language);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return false;
        for (const QString &folder : folders) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(wanted, name, QStringLiteral("_"), folder))
                continue;
            translator->setObjectName(objectName);
            QCoreApplication::installTranslator(translator.get());
            translator.release()->setParent(app);
            return true;
        }
    }
    return false;
}

bool installQt(const QLocale &locale)
{
    return install(QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}, locale);
}

} // namespace Translator
