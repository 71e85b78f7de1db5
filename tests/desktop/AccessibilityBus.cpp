#include "AccessibilityBus.h"

#include "ChildProcesses.h"

#include <QElapsedTimer>
#include <QThread>

namespace rna::desktop::test {

namespace {
constexpr int kStartTimeoutMs = 10000;
const char* const kLauncher = "/usr/libexec/at-spi-bus-launcher";
}  // namespace

AccessibilityBus::AccessibilityBus()
{
    if (startSessionBus() && !startLauncher())
        address_.clear();
}

AccessibilityBus::~AccessibilityBus()
{
    stopProcess(launcher_);
    stopProcess(daemon_);
}

QProcessEnvironment AccessibilityBus::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    return environment;
}

bool AccessibilityBus::startSessionBus()
{
    // The daemon prints its address once it takes connections; its socket lies in a fresh temporary name.
    daemon_.setStandardErrorFile(QProcess::nullDevice());
    daemon_.setChildProcessModifier(&diesWithTheTests);
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                   QStringLiteral("--address=unix:tmpdir=/tmp")});
    if (!daemon_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("dbus-daemon did not start (is the dbus package installed?)");
        return false;
    }
    address_ = firstLine(daemon_, kStartTimeoutMs);
    if (address_.isEmpty())
        error_ = QStringLiteral("dbus-daemon gave no address");
    return !address_.isEmpty();
}

bool AccessibilityBus::startLauncher()
{
    launcher_.setProcessEnvironment(environment());
    launcher_.setStandardOutputFile(QProcess::nullDevice());
    launcher_.setStandardErrorFile(QProcess::nullDevice());
    launcher_.setChildProcessModifier(&diesWithTheTests);
    launcher_.start(QString::fromLatin1(kLauncher), {});
    if (!launcher_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("%1 did not start (is the at-spi2-core package installed?)").arg(kLauncher);
        return false;
    }
    // The launcher owns its name on the session bus once the accessibility bus is up. (Asking the name itself
    // would have the daemon start a launcher of its own while this one is not ready.)
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kStartTimeoutMs && launcher_.state() == QProcess::Running) {
        QProcess ask;
        ask.setProcessEnvironment(environment());
        ask.start(QStringLiteral("dbus-send"),
                  {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                   QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                   QStringLiteral("org.freedesktop.DBus.NameHasOwner"), QStringLiteral("string:org.a11y.Bus")});
        if (ask.waitForFinished(kStartTimeoutMs) && ask.readAllStandardOutput().contains("boolean true"))
            return true;
        QThread::msleep(50);
    }
    error_ = QStringLiteral("the accessibility bus did not come up within %1 ms").arg(timer.elapsed());
    return false;
}

}  // namespace rna::desktop::test
