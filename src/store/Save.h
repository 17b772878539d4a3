#pragma once

#include "platform/Files.h"
#include "store/Database.h"
#include "store/DatabaseFile.h"
#include "store/Settings.h"

// The working database file in the program folder.
inline constexpr std::string_view DatabaseFileName = "QNhForms.dta";

// Reads and cuts the working database; the error names the file and the problem.
LoadResult LoadDatabase(Files& files);

// Writes the working database whole, with a settings line rebuilt from the options when
// rebuildSettings is set (and then kept as the current line). The change flags are cleared, and
// a rebuilt line taken, only when the write succeeded; a failure is returned for the caller to
// report.
FileStatus SaveDatabase(Files& files, Database& db, const Options& o, bool rebuildSettings);
