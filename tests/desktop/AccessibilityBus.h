// A private session bus with the accessibility bus on it, as a desktop session has them: dbus-daemon, then
// at-spi-bus-launcher, both for the private display. Programs started with environment() meet there the
// assistive technology clients started with it. Both are stopped when the object goes.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace rna::desktop::test {

class AccessibilityBus {
public:
    // Starts both on the display the environment names, and waits until the accessibility bus answers.
    AccessibilityBus();
    ~AccessibilityBus();

    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    // Empty when the buses could not be started (see error()).
    QString address() const { return address_; }
    QString error() const { return error_; }
    // The system environment with this session bus.
    QProcessEnvironment environment() const;

private:
    bool startSessionBus();
    bool startLauncher();

    QProcess daemon_;
    QProcess launcher_;
    QString address_;
    QString error_;
};

}  // namespace rna::desktop::test
