#include "tools/snapshot/WindowSnapshot.h"

#include "ui/CopyAndSave.h"
#include "ui/TForm.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPixmap>

namespace rna::tools {

namespace {

// Lets activation and the focus settle, so the picture shows the window as the user first sees it.
void waitUntilActive(const QWidget& window)
{
    const QDeadlineTimer deadline(2000);
    while (!window.isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

}  // namespace

rna::ui::TForm* ShowWindowAsUser(const rna::app::Program& program, const QString& windowName)
{
    rna::ui::TForm* window = program.findForm(windowName);
    if (!window)
        return nullptr;
    rna::ui::TForm* mainWindow = program.application().mainForm();
    mainWindow->showForm();
    waitUntilActive(*mainWindow);
    window->showForm();
    waitUntilActive(*window);
    return window;
}

QImage RenderWindow(rna::ui::TForm& window)
{
    QCoreApplication::processEvents();
    return rna::ui::WindowPicture(window);
}

}  // namespace rna::tools
