#pragma once
// Which folder holds the league's data files: the rule the program and tavix-lists share.

#include <string>

namespace tavix {

// A folder holding any of the data files (TavixSE.dat, TavixSC.dat, TavixNM.dat, Tavixro.dat),
// in any letter case, is a data folder, also when some of them are missing: the loading message
// then names the missing file rather than another folder being used quietly.
bool HoldsDataFiles(const std::string& folder);

// The per-user data folder: $XDG_DATA_HOME/Tavix/Tavix when that is an absolute path, otherwise
// $HOME/.local/share/Tavix/Tavix; empty when neither can be told.
std::string UserDataFolder();

}  // namespace tavix
