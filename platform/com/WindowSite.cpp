#include "platform/com/WindowSite.h"

#include "platform/objects/StdFont.h"

FontRef WindowSite::AmbientFont()
{
    return m_window ? StdFont::fromQFont(m_window->font()) : FontRef();
}
