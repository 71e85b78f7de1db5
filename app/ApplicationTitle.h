#pragma once
// The application title shown on the task bar and in error boxes, derived from the program file.
#include <string>
#include <string_view>

namespace rna::app {

// What ends a folder in a program path: '/', and on Windows '\\' as well.
#if defined(_WIN32)
inline constexpr std::string_view FolderSeparators = "/\\";
#else
inline constexpr std::string_view FolderSeparators = "/";
#endif

// The program's file name: the path after its last folder separator.
std::string_view ProgramFileName(std::string_view programPath);

// The file name without its folder, cut at its first ".", every letter after the first in lower case.
std::string ApplicationTitleFromPath(std::string_view programPath);

}  // namespace rna::app
