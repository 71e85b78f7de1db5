#include "PrivateDesktop.h"

#include "ChildProcesses.h"

namespace rna::desktop::test {

namespace {
constexpr int kStartTimeoutMs = 10000;
// The desktop waits for its window manager for up to 15 s of its own.
constexpr int kDesktopTimeoutMs = 20000;
}  // namespace

PrivateDesktop::PrivateDesktop()
{
    // Debian's python3, which has python3-xlib, whatever other python3 comes first on the PATH; -B: no compiled
    // modules written into the source tree. Its messages (and those of Xvfb and openbox) go to the test's own.
    desktop_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    desktop_.setChildProcessModifier(&diesWithTheTests);
    desktop_.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-B"), QStringLiteral(RNA_PRIVATE_DESKTOP)});
    if (!desktop_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("python3 did not start (is the python3 package installed?)");
        return;
    }
    const QString line = firstLine(desktop_, kDesktopTimeoutMs);
    if (line.startsWith(QLatin1Char(':')))
        display_ = line;
    else
        error_ = line.isEmpty() ? QStringLiteral("the private desktop gave no display") : line;
}

PrivateDesktop::~PrivateDesktop()
{
    stopProcess(desktop_);
}

QString PrivateDesktop::runClient(const QString& display, const QString& program, const QStringList& arguments)
{
    QProcess client;
    client.start(program, QStringList({QStringLiteral("-display"), display}) + arguments);
    if (!client.waitForFinished(kStartTimeoutMs) || client.exitStatus() != QProcess::NormalExit ||
        client.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(client.readAllStandardOutput());
}

bool PrivateDesktop::xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    return xdotool.waitForFinished(kStartTimeoutMs) && xdotool.exitStatus() == QProcess::NormalExit &&
           xdotool.exitCode() == 0;
}

}  // namespace rna::desktop::test
