#pragma once

#include <string>

// Where the program keeps its files on Linux: $XDG_DATA_HOME/quibnote, by default
// ~/.local/share/quibnote. Empty when neither XDG_DATA_HOME nor HOME is set.
std::string DefaultProgramFolder();

// The shipped data: share/quibnote beside the installed program's bin folder, or the given
// build-time folder when the program runs from its build tree.
std::string ShippedDataFolder(const std::string& buildTimeFolder);

// Creates the folder when it is missing and copies in every shipped data file (*.dta, *.txt,
// *.clt, *.html) it lacks, the Linux variants in shipped/linux first; files already there are
// the user's and are never replaced. Returns an error text, empty on success.
std::string FillProgramFolder(const std::string& folder, const std::string& shipped);
