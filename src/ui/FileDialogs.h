#pragma once

#include "platform/Files.h"

#include <string>
#include <string_view>

// The filters of the program's file dialogs: a description, "|", a pattern, and so on.
inline constexpr std::string_view kDatabaseFilter = "DTA file (*.dta)|*.dta|All files (*.*)|*.*";
inline constexpr std::string_view kCustomListFilter =
    "Custom List file (*.clt)|*.clt|All files (*.*)|*.*";

// The file a dialog's answer names. A desktop's dialog answers with a full path, taken as it
// stands (a network path included); a bare name, as a test script answers, is a file of the
// program folder.
std::string ChosenFile(Files& files, std::string_view answer);
