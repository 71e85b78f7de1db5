// What the desktop tests' helper programs (X server, window manager, buses) share: they end with the tests, they
// are stopped politely first, and a program that announces itself on a line of its output is waited for.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <csignal>
#include <sys/prctl.h>

namespace rna::desktop::test {

// Runs in a started program: it is stopped when the test program ends in any way, a crash included.
inline void diesWithTheTests()
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
}

inline void stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

// The first line the started program writes (trimmed), or empty when it writes none in time or ends.
inline QString firstLine(QProcess& process, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < timeoutMs && process.state() == QProcess::Running)
        process.waitForReadyRead(100);
    return QString::fromLatin1(process.readLine()).trimmed();
}

}  // namespace rna::desktop::test
