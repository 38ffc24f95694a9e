#include "HostSite.h"

#include "platform/objects/StdFont.h"

FontRef HostSite::AmbientFont()
{
    return m_window ? StdFont::fromQFont(m_window->font()) : FontRef();
}
