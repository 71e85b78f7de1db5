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
    QStringList output;  // standard output, one entry per line
};

SnapshotRun runSnapshot(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(RNA_SNAPSHOT_PROGRAM), arguments);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished) << "snapshot did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    QStringList output = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (!output.isEmpty() && output.last().isEmpty())
        output.removeLast();
    return {process.exitCode(), process.readAllStandardError(), output};
}

SnapshotRun dump(const char* window, const QStringList& actions)
{
    return runSnapshot(QStringList{QLatin1String(window), QStringLiteral("--dump")} + actions);
}

// The lines of the dump that start with one of the prefixes, in the dump's order, one text per line.
std::string linesStarting(const QStringList& lines, const QStringList& prefixes)
{
    QStringList picked;
    for (const QString& line : lines)
        for (const QString& prefix : prefixes)
            if (line.startsWith(prefix))
                picked.append(line);
    return picked.join(QLatin1Char('\n')).toStdString();
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

TEST(SnapshotTool, DumpListsEveryControlOfTheWindowInCreationOrder)
{
    const SnapshotRun run = dump("Form3", {});
    ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    QStringList names;
    for (const QString& line : run.output)
        names.append(line.section(QLatin1Char('='), 0, 0));
    const QStringList expectedStart{QStringLiteral("Label1.Caption"), QStringLiteral("Label2.Caption")};
    EXPECT_EQ(names.mid(0, 2).join(QLatin1Char(' ')).toStdString(), expectedStart.join(QLatin1Char(' ')).toStdString());
    const QStringList expectedEnd{QStringLiteral("Label31.Caption"),
                                  QStringLiteral("Label22.Caption"),
                                  QStringLiteral("TrackBar1.Position"),
                                  QStringLiteral("ComboBox1.ItemIndex"),
                                  QStringLiteral("ComboBox1.Text"),
                                  QStringLiteral("ComboBox2.ItemIndex"),
                                  QStringLiteral("ComboBox2.Text"),
                                  QStringLiteral("ComboBox3.ItemIndex"),
                                  QStringLiteral("ComboBox3.Text"),
                                  QStringLiteral("TrackBar2.Position"),
                                  QStringLiteral("TrackBar3.Position"),
                                  QStringLiteral("TrackBar4.Position"),
                                  QStringLiteral("TrackBar5.Position"),
                                  QStringLiteral("TrackBar6.Position"),
                                  QStringLiteral("TrackBar7.Position"),
                                  QStringLiteral("TrackBar8.Position"),
                                  QStringLiteral("Chart1.LeftAxis"),
                                  QStringLiteral("Chart1.BottomAxis"),
                                  QStringLiteral("Series1"),
                                  QStringLiteral("Chart3.LeftAxis"),
                                  QStringLiteral("Chart3.BottomAxis"),
                                  QStringLiteral("Series3"),
                                  QStringLiteral("Series4"),
                                  QStringLiteral("Edit1.Text"),
                                  QStringLiteral("Edit2.Text"),
                                  QStringLiteral("Chart2.LeftAxis"),
                                  QStringLiteral("Chart2.BottomAxis"),
                                  QStringLiteral("Series2")};
    EXPECT_EQ(names.mid(names.size() - expectedEnd.size()).join(QLatin1Char(' ')).toStdString(),
              expectedEnd.join(QLatin1Char(' ')).toStdString());
    EXPECT_TRUE(run.output.contains(QStringLiteral("Chart3.BottomAxis=-25 25.5")));
    EXPECT_TRUE(run.output.contains(QStringLiteral("Chart1.LeftAxis=-1.05 1.05")));
    EXPECT_TRUE(run.output.contains(QStringLiteral("Series4=")));
}

TEST(SnapshotTool, ScriptedMovesReplayTheUsersInputInOrder)
{
    struct Case {
        const char* window;
        QStringList actions;
        QStringList expected;  // these lines of the dump, in the dump's order
    };
    const Case cases[] = {
        // A drag to the current position still runs the handler: n is written.
        {"Form1", {"TrackBar3=0"}, {"Label19.Caption=0.00", "Label24.Caption=0.0000"}},
        {"Form1",
         {"TrackBar1=50", "TrackBar2:key=End", "TrackBar3:key=End"},
         {"Label16.Caption=5", "Label19.Caption=10.00", "Label24.Caption=10.0000", "TrackBar1.Position=50"}},
        {"Form1", {"ComboBox1=2"}, {"Label24.Caption=0.5000", "Chart1.LeftAxis=-0.050000000000000003 1.05"}},
        {"Form1",
         {"TrackBar1:key=Down", "ComboBox1:text=xy"},
         {"Series1=", "ComboBox1.ItemIndex=-1", "ComboBox1.Text=xy"}},
        {"Form1",
         {"Label15:click"},
         {"Label19.Caption=0.00", "Chart1.LeftAxis=-10.050000000000001 10.050000000000001"}},
        {"Form3",
         {"ComboBox1=1", "TrackBar2=10", "TrackBar1=3"},
         {"Label31.Caption=0.0000", "Edit1.Text=0.291312612451591", "Edit2.Text=0"}},
        {"Form3",
         {"TrackBar6=10", "Edit1:text=0.5", "ComboBox1=2"},
         {"Label30.Caption=0.5000", "Label31.Caption=0.5000"}},
        {"Form2", {"ComboBox1=1", "hide", "show"}, {"ComboBox1.ItemIndex=0", "ComboBox1.Text=Identitate"}},
        {"Form1",
         {"TrackBar2:key=Right", "Chart1:drag=left,150,50,260,120"},
         {"Chart1.LeftAxis=-6.5844827586206911 5.544827586206897",
          "Chart1.BottomAxis=-4.1568062827225134 1.6311518324607324"}},
        // Zoom, pan, undo: back to the ranges of before the zoom.
        {"Form1",
         {"TrackBar2:key=Right", "Chart1:drag=left,150,50,260,120", "Chart1:drag=right,200,80,180,60",
          "Chart1:drag=left,260,120,150,50"},
         {"Chart1.LeftAxis=-10.050000000000001 10.050000000000001",
          "Chart1.BottomAxis=-10.050000000000001 10.050000000000001"}},
        // Two notches towards the user: 3 % of the left axis' span each.
        {"Form1",
         {"Chart1:wheel=2"},
         {"Chart1.LeftAxis=-0.87999999999999989 1.1200000000000001",
          "Chart1.BottomAxis=-10.050000000000001 10.050000000000001"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((QLatin1String(c.window) + QLatin1Char(' ') + c.actions.join(QLatin1Char(' '))).toStdString());
        const SnapshotRun run = dump(c.window, c.actions);
        ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
        QStringList prefixes;
        for (const QString& line : c.expected)
            prefixes.append(line.section(QLatin1Char('='), 0, 0) + QLatin1Char('='));
        EXPECT_EQ(linesStarting(run.output, prefixes), c.expected.join(QLatin1Char('\n')).toStdString());
    }
}

TEST(SnapshotTool, SeriesPointsAreDumpedWithSeventeenDigits)
{
    const SnapshotRun run = dump("Form2", {QStringLiteral("ComboBox1=2")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    const QString series = QString::fromStdString(linesStarting(run.output, {QStringLiteral("Series1=")}));
    const QStringList points = series.mid(8).split(QLatin1Char(';'));
    ASSERT_EQ(points.size(), 31);
    EXPECT_EQ(points.front().toStdString(), "-15 3.0590222692562472e-07");
    EXPECT_EQ(points.at(15).toStdString(), "0 0.5");
}

// A separator announced while the window holds values: the error is printed where it happens, the script goes on,
// and once the separator is back the next change computes again.
TEST(SnapshotTool, AnErrorIsPrintedWhereItHappensAndTheFollowingActionsStillRun)
{
    const SnapshotRun run = dump("Form1", {"TrackBar1:key=PageDown", "TrackBar2:key=End", "separator=,",
                                           "TrackBar3:key=Right", "separator=.", "TrackBar3:key=Right"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    ASSERT_GE(run.output.size(), 3);
    EXPECT_EQ(run.output.at(0).toStdString(), "error='0.2' is not a valid floating point value.");
    EXPECT_EQ(run.output.at(1).toStdString(), run.output.at(0).toStdString()) << "the key's press and its release";
    EXPECT_FALSE(run.output.at(2).startsWith(QStringLiteral("error=")));
    EXPECT_EQ(linesStarting(run.output, {QStringLiteral("Label18."), QStringLiteral("Label19.")}),
              "Label18.Caption=2\nLabel19.Caption=2.20");
}

TEST(SnapshotTool, TheOpenErrorBoxIsDrawnOverThePicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList start{QStringLiteral("TrackBar1:key=PageDown"), QStringLiteral("separator=,")};
    const QString clean = dir.filePath(QStringLiteral("clean.png"));
    const QString failed = dir.filePath(QStringLiteral("failed.png"));
    ASSERT_EQ(runSnapshot(QStringList{QStringLiteral("Form1"), clean} + start).exitCode, 0);
    const SnapshotRun run = runSnapshot(QStringList{QStringLiteral("Form1"), failed} + start +
                                        QStringList{QStringLiteral("TrackBar3:key=Right")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    EXPECT_TRUE(run.output.contains(QStringLiteral("error='0.2' is not a valid floating point value.")));
    const QImage before(clean);
    const QImage after(failed);
    ASSERT_EQ(before.size(), after.size());
    const QPoint centre(before.width() / 2, before.height() / 2);
    EXPECT_NE(before.pixel(centre), after.pixel(centre));
    EXPECT_EQ(before.pixel(2, 2), after.pixel(2, 2)) << "the box covers the middle only";
}

TEST(SnapshotTool, MalformedActionsExitWithTwoBeforeAnythingRuns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("none.png"));
    const char* const actions[] = {"TrackBar9=1",
                                   "TrackBar1=51",
                                   "TrackBar1=x",
                                   "TrackBar1:key=F5",
                                   "Label5=3",
                                   "Label5:drag",
                                   "ComboBox1=3",
                                   "ComboBox1:text",
                                   "Edit1:text=1",
                                   "key=Foo",
                                   "separator=xy",
                                   "separator=#",
                                   "hide=1",
                                   "Memo1:click",
                                   "jump",
                                   "Chart1:drag=left,1,2,3",
                                   "Chart1:drag=middle,10,10,50,50",
                                   "Chart1:drag=left,433,10,50,50",
                                   "Chart1:wheel=1.5",
                                   "TrackBar1:wheel=1"};
    for (const char* action : actions) {
        SCOPED_TRACE(action);
        // A valid action first: it must not have run when the malformed one is found.
        const SnapshotRun run =
            runSnapshot({QStringLiteral("Form1"), out, QStringLiteral("TrackBar1=5"), QString::fromLatin1(action)});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_FALSE(run.errors.isEmpty());
        EXPECT_TRUE(run.output.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
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
