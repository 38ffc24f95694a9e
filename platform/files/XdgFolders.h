#pragma once

#include <QString>

// The user's base folders as the XDG base directory rules give them: the
// variable when it holds an absolute path, the default under the home folder
// otherwise. A relative value is ignored, as the rules say, so that the
// folders never move with the current directory.
namespace XdgFolders {

// ${XDG_CONFIG_HOME:-~/.config}
QString configHome();
// ${XDG_DATA_HOME:-~/.local/share}
QString dataHome();

} // namespace XdgFolders
