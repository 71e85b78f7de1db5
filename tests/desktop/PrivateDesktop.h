// A private X display for tests: the storm's private desktop (tools/storm/xsession.py, started as a program),
// so that the tests and the storm run on one desktop with one behaviour: an Xvfb server on a display number it
// picks itself, 1280 x 1024, with openbox managing its windows on a single desktop. It is stopped when the object
// goes.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace rna::desktop::test {

class PrivateDesktop {
public:
    // Starts the desktop and waits until its window manager runs (a few seconds at most).
    PrivateDesktop();
    ~PrivateDesktop();

    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    // ":N"; empty when the desktop could not be started (see error()).
    QString display() const { return display_; }
    QString error() const { return error_; }

    // Runs an X client program (xprop, xwininfo) on a display and returns its output, empty on failure.
    static QString runClient(const QString& display, const QString& program, const QStringList& arguments);
    // Runs xdotool on the display of the environment: real input and window-manager requests, as a keyboard,
    // a mouse, a task bar or a title-bar button send them. False when it failed.
    static bool xdotool(const QStringList& arguments);

private:
    QProcess desktop_;
    QString display_;
    QString error_;
};

}  // namespace rna::desktop::test
