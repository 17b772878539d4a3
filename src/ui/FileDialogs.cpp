#include "ui/FileDialogs.h"

#include "store/DataFile.h"

std::string ChosenFile(Files& files, std::string_view answer) {
    if (answer.find_first_of("/\\") != std::string_view::npos) return std::string(answer);
    return DataFilePath(files, answer);
}
