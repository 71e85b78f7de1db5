// A started program for tests: the main menu shown and active, as the event loop would leave it.
#pragma once

#include "app/Program.h"
#include "app/TForm0.h"
#include "ui/TBitBtn.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace rna::app::test {

inline constexpr const char* ProgramPath = "/usr/local/bin/RNA";

// Counts the times a window goes from hidden to visible and the times its OnShow handler runs. The counter
// takes the OnShow binding over from the handler the description bound.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(rna::ui::TForm& form) : form_(form)
    {
        form.installEventFilter(this);
        form.setOnShow([this](QObject*) { ++onShowCalls; });
    }
    ~ShowCounter() override { form_.setOnShow({}); }
    int onShowCalls = 0;
    int showEvents = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++showEvents;
        return false;
    }

private:
    rna::ui::TForm& form_;
};

inline rna::ui::TBitBtn& button(const rna::ui::TForm& form, const char* name)
{
    return form.control<rna::ui::TBitBtn>(QString::fromLatin1(name));
}

// Shows a window the way the main menu does and waits until it is the active window.
inline bool showAndActivate(rna::ui::TForm& form)
{
    form.showForm();
    return QTest::qWaitForWindowActive(&form);
}

// Sends a key to the widget that has the keyboard focus, as the keyboard would.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QTest::keyClick(target, key, modifiers);
}

}  // namespace rna::app::test
