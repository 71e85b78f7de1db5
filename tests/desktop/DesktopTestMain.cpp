// Test entry of the tests under a real X server with a window manager: one private display (Xvfb with openbox)
// for the whole run, whatever platform the environment names; each test starts its own program on it.
#include "PrivateDesktop.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    rna::desktop::test::PrivateDesktop desktop;
    if (desktop.display().isEmpty()) {
        std::fprintf(stderr, "no private desktop: %s\n", qPrintable(desktop.error()));
        return 1;
    }
    qputenv("DISPLAY", desktop.display().toLatin1());
    qputenv("QT_QPA_PLATFORM", QByteArray("xcb"));
    return RUN_ALL_TESTS();
}
