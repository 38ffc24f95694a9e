#pragma once

#include <QLocale>

// Jotwell in the desktop's language: its own catalog and Qt's (the standard
// buttons of message and input boxes). English is the text in the code and
// needs none. Called once the application object exists.
namespace AppTranslations {

void install(const QLocale &locale = QLocale::system());

} // namespace AppTranslations
