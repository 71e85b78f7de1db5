// Test entry: our application object (so handler exceptions reach its dispatch point), then GoogleTest.
#include "ui/TApplication.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Headless unless the caller chose a platform (ctest lists the tests without the tests' environment).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    rna::ui::TApplication app(argv[0]);
    app.setTitle(QStringLiteral("Rna_ui_tests"));
    // A message box would wait for a click no test gives: an unexpected error fails the test instead.
    app.setErrorPresenter([](const QString&, const QString& message) {
        ADD_FAILURE() << "unexpected error box: " << message.toStdString();
    });
    return RUN_ALL_TESTS();
}
