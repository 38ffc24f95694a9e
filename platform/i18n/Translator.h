#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Installs a Qt Linguist catalog ("<name>_<language>.qm") for the desktop's
// language. The translator is a child of the application object named after
// the catalog, so a catalog is installed once per application, whichever of
// the program and the control library asks first.
namespace Translator {

// Goes through the locale's interface languages in order (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG for the system locale) and installs the first
// catalog found in the folders. English, the text in the code, ends the
// search. True when a catalog is installed (now or before).
bool install(const QString &name, const QStringList &folders, const QLocale &locale = QLocale::system());

// Qt's own catalog (standard buttons, the colour and input dialogs) from the
// folder Qt's translations are installed in.
bool installQt(const QLocale &locale = QLocale::system());

} // namespace Translator
