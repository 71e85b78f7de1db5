#include "app/ApplicationTitle.h"

#include <gtest/gtest.h>

TEST(ApplicationTitle, FolderDroppedCutAtFirstDotLowerCasedAfterFirstLetter)
{
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"/usr/local/bin/RNA", "Rna"},
        {"./RNA.exe", "Rna"},
        {"rna", "rna"},
        {"/opt/x.y/Proiect1.Final.bin", "Proiect1"},
        {"ABC.", "Abc"},
        {"/tmp/", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rna::app::ApplicationTitleFromPath(c.path), c.title) << c.path;
    // Windows gives the program its path with its own separator.
    if (rna::app::FolderSeparators.find('\\') != std::string_view::npos)
        EXPECT_EQ(rna::app::ApplicationTitleFromPath("C:\\Users\\Elev\\RNA.exe"), "Rna");
}
