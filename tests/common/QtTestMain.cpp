// Test entry: one QApplication for the whole test program, then GoogleTest.
#include "ui/EmbeddedFonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    // The faces the program embeds, as its own application object registers them.
    rna::ui::registerEmbeddedFonts();
    return RUN_ALL_TESTS();
}
