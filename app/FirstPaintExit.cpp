#include "app/FirstPaintExit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace rna::app {

namespace {

// Queues the quit when the first paint event arrives, so that it runs once that paint (and the rest of the
// window's repaint) is done, and then leaves the window alone.
class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void ExitAfterFirstPaintIfAsked(QWidget& window)
{
    if (qEnvironmentVariableIntValue("RNA_BENCH_EXIT_AFTER_FIRST_PAINT") != 1)
        return;
    window.installEventFilter(new FirstPaintWatcher(&window));
}

}  // namespace rna::app
