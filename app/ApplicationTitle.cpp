#include "app/ApplicationTitle.h"

#include <cctype>

namespace rna::app {

std::string_view ProgramFileName(std::string_view programPath)
{
    const auto slash = programPath.find_last_of(FolderSeparators);
    return slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
}

std::string ApplicationTitleFromPath(std::string_view programPath)
{
    std::string_view name = ProgramFileName(programPath);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

}  // namespace rna::app
