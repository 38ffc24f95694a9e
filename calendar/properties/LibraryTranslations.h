#pragma once

namespace zvcal {

// The library's catalog and Qt's own for the desktop's language, installed
// into the host's application object when the first control or property page
// is made, so any host shows the pages, the property dialog and the
// calendar's messages in its user's language. Once per application.
void installLibraryTranslations();

} // namespace zvcal
