#include "platform/i18n/Translator.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Translator {

namespace {

// A catalog built into a shared library lies in that library's memory, which
// a host may unload while the application goes on; a translator loaded from
// such a resource therefore keeps its own copy of the catalog, held by the
// translator itself, whose code is Qt's.
std::unique_ptr<QTranslator> load(const QLocale &wanted, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(wanted, name, QStringLiteral("_"), folder))
        return {};
    if (!folder.startsWith(u':'))
        return translator;
    QFile file(translator->filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    auto copy = std::make_unique<QTranslator>();
    copy->setProperty("catalog", file.readAll());
    const QByteArray kept = copy->property("catalog").toByteArray();
    if (!copy->load(reinterpret_cast<const uchar *>(kept.constData()), int(kept.size())))
        return {};
    return copy;
}

} // namespace

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
            std::unique_ptr<QTranslator> translator = load(wanted, name, folder);
            if (!translator)
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
