#pragma once

#include <string>
#include <string_view>

class Files;

// Reading the program's small data files. Failures are not errors for the caller: they come
// back as fixed texts that the callers test for.
inline constexpr std::string_view FileNotFoundText = "File not found!";

// A name whose second and third characters are ":\" (or, on Linux, that begins with '/') is a
// full path; any other name is a file in the program folder.
std::string DataFilePath(Files& files, std::string_view name);

// The whole file, or FileNotFoundText.
std::string ReadWholeFile(Files& files, std::string_view name);
