#include "PrivateDesktop.h"

#include "ChildProcesses.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QThread>

namespace rna::desktop::test {

namespace {
constexpr int kStartTimeoutMs = 10000;
}  // namespace

PrivateDesktop::PrivateDesktop()
{
    if (startServer() && !startWindowManager())
        display_.clear();
}

PrivateDesktop::~PrivateDesktop()
{
    stopProcess(manager_);
    stopProcess(server_);
}

bool PrivateDesktop::startServer()
{
    // With -displayfd the server takes the first free display and writes its number once it accepts clients;
    // with -noreset it does not restart each time its last client leaves.
    // Nothing reads the server's messages: a full pipe would stop the server.
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.setChildProcessModifier(&diesWithTheTests);
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                   QStringLiteral("-noreset")});
    if (!server_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("Xvfb did not start (is the xvfb package installed?)");
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    const QString number = firstLine(server_, kStartTimeoutMs);
    if (number.isEmpty()) {
        error_ = QStringLiteral("Xvfb gave no display number");
        return false;
    }
    display_ = QLatin1Char(':') + number;
    // The server answers clients before the window manager is started on it.
    while (timer.elapsed() < kStartTimeoutMs && server_.state() == QProcess::Running) {
        if (!runClient(display_, QStringLiteral("xprop"), {QStringLiteral("-root")}).isEmpty())
            return true;
        QThread::msleep(20);
    }
    error_ = QStringLiteral("Xvfb on %1 takes no clients").arg(display_);
    return false;
}

bool PrivateDesktop::startWindowManager()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    manager_.setProcessEnvironment(environment);
    // Its messages go to a file (a pipe nobody reads could fill and stop it), shown should it fail to start.
    managerLog_.open();
    manager_.setStandardOutputFile(managerLog_.fileName());
    manager_.setProcessChannelMode(QProcess::MergedChannels);
    manager_.setChildProcessModifier(&diesWithTheTests);
    manager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!manager_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("openbox did not start (is the openbox package installed?)");
        return false;
    }
    // The manager announces itself on the root window at once, but handles windows only once it has loaded its
    // theme and taken over the windows already there, which it ends by publishing its list of clients.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kStartTimeoutMs && manager_.state() == QProcess::Running) {
        const QString check =
            runClient(display_, QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST")});
        if (check.contains(QStringLiteral("_NET_CLIENT_LIST(WINDOW)")))
            return true;
        QThread::msleep(20);
    }
    error_ = QStringLiteral("openbox did not take the screen within %1 ms (%2): %3")
                 .arg(timer.elapsed())
                 .arg(manager_.state() == QProcess::Running ? QStringLiteral("running")
                                                            : QStringLiteral("exited with %1").arg(manager_.exitCode()))
                 .arg(QString::fromLocal8Bit(managerLog_.readAll()));
    return false;
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
