#pragma once

#include <QIcon>

// The program's own icon, a note pad with a bell, in every size it was drawn
// in: the window icon of every window, the main window's picture, the About
// window and the tray.
namespace AppIcon {

QIcon icon();

} // namespace AppIcon
