#pragma once
// The application title shown on the task bar and in error boxes, derived from the program file.
#include <string>
#include <string_view>

namespace rna::app {

// The file name without its folder, cut at its first ".", every letter after the first in lower case.
std::string ApplicationTitleFromPath(std::string_view programPath);

}  // namespace rna::app
