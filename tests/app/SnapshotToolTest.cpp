// The snapshot tool as a program: the pictures it writes and its exit codes.
#ifdef RNA_SNAPSHOT_PROGRAM
#include "ProgramUnderTest.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rna::app::test {
namespace {

struct SnapshotRun {
    int exitCode = -1;
    QByteArray errors;
};

SnapshotRun runSnapshot(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(RNA_SNAPSHOT_PROGRAM), arguments);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished) << "snapshot did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardError()};
}

TEST(SnapshotTool, WritesTheClientAreaOfEachWindow)
{
    struct Case {
        const char* window;
        QSize client;
    };
    const Case cases[] = {{"Form0", {211, 155}}, {"Form1", {658, 401}}, {"Form2", {640, 491}}, {"Form3", {785, 496}}};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        const QString out = dir.filePath(QLatin1String(c.window) + QStringLiteral(".png"));
        const SnapshotRun run = runSnapshot({QLatin1String(c.window), out});
        EXPECT_EQ(run.exitCode, 0) << run.errors.constData();
        const QImage image(out);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), c.client);
    }
}

// The tool starts the program as the program does, so its picture is what the running program shows.
TEST(SnapshotTool, MainMenuPictureEqualsTheWindowOfTheRunningProgram)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("menu.png"));
    ASSERT_EQ(runSnapshot({QStringLiteral("Form0"), out}).exitCode, 0);

    Program program(ProgramPath);
    ASSERT_TRUE(showAndActivate(*Form0));
    const QImage shown = Form0->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32), shown);
}

TEST(SnapshotTool, UnknownWindowOrWrongArgumentsExitWithTwoAndWriteNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("none.png"));
    const QStringList cases[] = {
        {QStringLiteral("Form4"), out},
        {QStringLiteral("form0"), out},
        {QStringLiteral("BitBtn1"), out},
        {QStringLiteral("Form0")},
        {},
        {QStringLiteral("Form0"), out, QStringLiteral("extra")},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(runSnapshot(arguments).exitCode, 2);
        EXPECT_FALSE(QFile::exists(out));
    }
}

}  // namespace
}  // namespace rna::app::test
#endif
