// A stand-in for the program, for the storm's self-test: the windows of the given descriptions (captions,
// client sizes and their buttons, which open, hide and end as the program's do), and after a given number of
// presses (mouse buttons and keys) the fault it was asked to plant.
//
//   rna_storm_fake FORMS_DIR none|crash|hang|sanitizer|leak PRESSES
//   rna_storm_fake --sanitized      prints 1 when built with AddressSanitizer, else 0
#include "ui/WindowManagerHints.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

enum class Fault { None, Crash, Hang, Sanitizer, Leak };

int* volatile lostAllocation = nullptr;

// The faults as the real program would have them: a signal, a stopped event loop, a use after free, a leak.
int plant(Fault fault)
{
    switch (fault) {
    case Fault::None:
        break;
    case Fault::Crash:
        std::raise(SIGSEGV);
        break;
    case Fault::Hang:
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    case Fault::Sanitizer: {
        int* volatile freed = new int[4]{1, 2, 3, 4};
        delete[] freed;
        return freed[1];
    }
    case Fault::Leak:
        lostAllocation = new int[64];
        lostAllocation = nullptr;
        break;
    }
    return 0;
}

// Counts the presses that reach the windows and plants the fault at the given one.
class FaultTrigger : public QObject {
public:
    FaultTrigger(Fault fault, int presses) : fault_(fault), left_(presses) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
        if (press && qobject_cast<QWindow*>(watched) && --left_ == 0)
            std::printf("planted fault %d: %d\n", int(fault_), plant(fault_));
        return QObject::eventFilter(watched, event);
    }

private:
    Fault fault_;
    int left_;
};

// Closing the main menu ends the program, as "Iesire" does.
class EndOnClose : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            QApplication::quit();
        return false;
    }
};

// Each native window the widget is given carries the widget's name as its role, as the program's windows do: the
// storm finds windows by that name.
class KeepsRole : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
            rna::ui::applyWindowRole(*static_cast<QWidget*>(watched));
        return false;
    }
};

void showAndBringBack(QWidget* window)
{
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

std::unique_ptr<QWidget> makeWindow(const QJsonObject& description)
{
    const QJsonObject properties = description.value(QStringLiteral("properties")).toObject();
    auto window = std::make_unique<QWidget>();
    window->setObjectName(description.value(QStringLiteral("name")).toString());
    window->setWindowTitle(properties.value(QStringLiteral("Caption")).toString());
    window->setFixedSize(properties.value(QStringLiteral("ClientWidth")).toInt(),
                         properties.value(QStringLiteral("ClientHeight")).toInt());
    for (const QJsonValue value : description.value(QStringLiteral("controls")).toArray()) {
        const QJsonObject control = value.toObject();
        if (control.value(QStringLiteral("kind")).toString() != QStringLiteral("TBitBtn"))
            continue;
        const QJsonArray bounds = control.value(QStringLiteral("bounds")).toArray();
        auto* button = new QPushButton(
            control.value(QStringLiteral("properties")).toObject().value(QStringLiteral("Caption")).toString(),
            window.get());
        button->setGeometry(bounds[0].toInt(), bounds[1].toInt(), bounds[2].toInt(), bounds[3].toInt());
    }
    return window;
}

Fault faultNamed(const char* name)
{
    const char* names[] = {"none", "crash", "hang", "sanitizer", "leak"};
    for (int i = 0; i < 5; ++i)
        if (std::strcmp(name, names[i]) == 0)
            return Fault(i);
    std::fprintf(stderr, "unknown fault %s\n", name);
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--sanitized") == 0) {
#if defined(__SANITIZE_ADDRESS__)
        std::puts("1");
#else
        std::puts("0");
#endif
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: rna_storm_fake FORMS_DIR none|crash|hang|sanitizer|leak PRESSES\n");
        return 2;
    }
    QApplication application(argc, argv);
    FaultTrigger trigger(faultNamed(argv[2]), std::atoi(argv[3]));
    application.installEventFilter(&trigger);

    KeepsRole keepsRole;
    std::vector<std::unique_ptr<QWidget>> windows;
    const QDir forms(QString::fromLocal8Bit(argv[1]));
    for (const QString& name : forms.entryList({QStringLiteral("Form*.json")}, QDir::Files, QDir::Name)) {
        QFile file(forms.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        windows.push_back(makeWindow(QJsonDocument::fromJson(file.readAll()).object()));
        windows.back()->installEventFilter(&keepsRole);
    }
    if (windows.empty())
        return 2;
    // The main menu's buttons open the other windows in order; "Iesire" ends, "Inchide" hides its window.
    QWidget* menu = windows.front().get();
    std::size_t next = 1;
    for (auto& window : windows) {
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            QWidget* owner = window.get();
            if (button->text() == QStringLiteral("Iesire"))
                QObject::connect(button, &QPushButton::clicked, &application, &QApplication::quit);
            else if (button->text() == QStringLiteral("Inchide"))
                QObject::connect(button, &QPushButton::clicked, owner, &QWidget::hide);
            else if (owner == menu && next < windows.size())
                QObject::connect(button, &QPushButton::clicked, owner,
                                 [shown = windows[next++].get()] { showAndBringBack(shown); });
        }
    }
    EndOnClose endOnClose;
    menu->installEventFilter(&endOnClose);
    menu->show();
    return application.exec();
}
