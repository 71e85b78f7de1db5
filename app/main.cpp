// Program entry.
#include "app/ApplicationTitle.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    // The program reads no command line: Qt gets the program name only.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    (void)argc;
    QApplication app(qtArgc, qtArgv);
    app.setApplicationDisplayName(QString::fromStdString(rna::app::ApplicationTitleFromPath(argv[0])));
    QWidget window;
    window.setWindowTitle(QStringLiteral("RNA - Introducere"));
    window.show();
    return app.exec();
}
