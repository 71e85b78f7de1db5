// A window for tests: loads a description from a JSON string and records every handler call in order.
#pragma once

#include "ui/FormLoader.h"
#include "ui/TForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace rna::ui::test {

class RecordingForm : public TForm {
public:
    // Handler names the description may bind; each call is logged as "Handler(Sender)".
    explicit RecordingForm(QStringList handlerNames = {}) : handlerNames_(std::move(handlerNames)) {}

    void load(const QByteArray& json, const LoadOptions& options = {})
    {
        FormLoader::loadString(*this, json, QStringLiteral("Test.json"), options);
    }

    // Runs after the log entry of that handler (e.g. to look at the state at that moment).
    void onCall(const QString& handler, std::function<void(QObject*)> action) { actions_[handler] = std::move(action); }

    QStringList log;
    int count(const QString& handler) const
    {
        int n = 0;
        for (const QString& entry : log)
            n += entry.startsWith(handler + QLatin1Char('('));
        return n;
    }

protected:
    void declareHandlers(HandlerTable& table) override
    {
        for (const QString& name : handlerNames_)
            table.add(name, [this, name](QObject* sender) {
                log.append(name + QLatin1Char('(') + (sender ? sender->objectName() : QString()) + QLatin1Char(')'));
                if (const auto found = actions_.find(name); found != actions_.end())
                    found->second(sender);
            });
    }

private:
    QStringList handlerNames_;
    std::map<QString, std::function<void(QObject*)>> actions_;
};

// A window description around the given controls (a JSON array's contents).
inline QByteArray describeWindow(const QByteArray& controls, const QByteArray& extraProperties = {},
                                 const QByteArray& events = "{}")
{
    return "{\"class\": \"TTestForm\", \"name\": \"TestForm\", \"properties\": {\"Caption\": \"Test\", "
           "\"ClientWidth\": 400, \"ClientHeight\": 300, \"BorderStyle\": \"bsSingle\", "
           "\"BorderIcons\": [\"biSystemMenu\"], \"Color\": \"clBtnFace\", "
           "\"Font\": {\"Name\": \"MS Sans Serif\", \"Height\": -11, \"Color\": \"clWindowText\", "
           "\"Charset\": \"DEFAULT_CHARSET\", \"Style\": []}, \"PixelsPerInch\": 96, \"TextHeight\": 13" +
           extraProperties + "}, \"events\": " + events + ", \"controls\": [" + controls + "]}";
}

}  // namespace rna::ui::test

namespace rna::ui::test {

// Shows the window as the program does and waits until it is the active window.
inline bool showActive(TForm& form)
{
    form.showForm();
    return QTest::qWaitForWindowActive(&form);
}

// Whether keys have somewhere to go: an open popup, else a visible focus window (a popup that just closed
// may still be the focus window until the pending activation is processed).
inline bool keyboardTargetReady()
{
    return QTest::qWaitFor([] {
        const QWindow* window = QGuiApplication::focusWindow();
        return QApplication::activePopupWidget() || (window && window->isVisible());
    });
}

// Sends a key as the keyboard does: to whatever has the focus now (a dropped-down list included), through
// the window system's delivery rather than straight to a chosen widget.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ASSERT_TRUE(keyboardTargetReady()) << "nothing has the focus";
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

inline void typeText(const QString& text)
{
    ASSERT_TRUE(keyboardTargetReady()) << "nothing has the focus";
    QTest::keyClicks(static_cast<QWidget*>(nullptr), text);
}

// Processes events until the condition holds or the time is up; says whether it holds.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

}  // namespace rna::ui::test
