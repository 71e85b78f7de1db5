// The command line: which lines start the program, which print a text, which are refused; and the program
// itself answering them without opening a window.
#include "app/CommandLine.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rna::app::test {
namespace {

using Action = CommandLine::Action;

struct LineCase {
    std::vector<std::string_view> arguments;
    Action action;
    const char* errorPart;  // a part of the refusal's message, or null
    Language language = Language::Romanian;
    const char* scale = "";  // what --scale hands to Qt
    const char* lessonFile = "";
};

TEST(CommandLine, EachLineEndsInOneAction)
{
    const LineCase cases[] = {
        {{}, Action::Run, nullptr},
        {{"--help"}, Action::PrintUsage, nullptr},
        {{"--version"}, Action::PrintVersion, nullptr},
        {{"--version", "--help"}, Action::PrintUsage, nullptr},
        {{"--help", "--version"}, Action::PrintUsage, nullptr},
        {{"--frobnicate"}, Action::Refuse, "unknown option: --frobnicate"},
        {{"-help"}, Action::Refuse, "unknown option: -help"},
        // One argument that is no option is a lesson to open; a second one is refused.
        {{"lectie.rna"}, Action::Run, nullptr, Language::Romanian, "", "lectie.rna"},
        {{"--lang", "en", "Form1"}, Action::Run, nullptr, Language::English, "", "Form1"},
        {{"--", "-x.rna"}, Action::Run, nullptr, Language::Romanian, "", "-x.rna"},
        {{"a.rna", "b.rna"}, Action::Refuse, "only one lesson can be opened, not also b.rna"},
        {{"-x.rna"}, Action::Refuse, "unknown option: -x.rna"},
        // A mistyped option beside --help is still refused rather than ignored.
        {{"--help", "--bogus"}, Action::Refuse, "unknown option: --bogus"},
        {{"--version=2"}, Action::Refuse, "option --version takes no value"},
        {{"--bogus=1"}, Action::Refuse, "unknown option: --bogus"},
        {{"--lang", "en"}, Action::Run, nullptr, Language::English},
        {{"--lang=en"}, Action::Run, nullptr, Language::English},
        {{"--lang", "en", "--lang", "ro"}, Action::Run, nullptr, Language::Romanian},
        {{"--lang", "en", "--help"}, Action::PrintUsage, nullptr, Language::English},
        {{"--lang", "fr"}, Action::Refuse, "unknown language 'fr' (ro or en)"},
        {{"--lang", "EN"}, Action::Refuse, "unknown language 'EN'"},
        {{"--lang="}, Action::Refuse, "unknown language ''"},
        {{"--lang"}, Action::Refuse, "option --lang needs a value"},
        {{"--scale", "2"}, Action::Run, nullptr, Language::Romanian, "2"},
        {{"--scale=1.5"}, Action::Run, nullptr, Language::Romanian, "1.5"},
        {{"--scale", "4"}, Action::Run, nullptr, Language::Romanian, "4"},
        {{"--lang=en", "--scale=2"}, Action::Run, nullptr, Language::English, "2"},
        {{"--scale", "0.75", "--help"}, Action::PrintUsage, nullptr, Language::Romanian, "0.75"},
        {{"--scale"}, Action::Refuse, "option --scale needs a value"},
        {{"--scale", "0"}, Action::Refuse, "--scale needs a number above 0 and at most 4 (for example 1.5), not \"0\""},
        {{"--scale", "-1"}, Action::Refuse, "not \"-1\""},
        {{"--scale", "4.01"}, Action::Refuse, "not \"4.01\""},
        {{"--scale", "mare"}, Action::Refuse, "not \"mare\""},
        {{"--scale", "1,5"}, Action::Refuse, "not \"1,5\""},
        {{"--scale", "2x"}, Action::Refuse, "not \"2x\""},
        {{"--scale", "nan"}, Action::Refuse, "not \"nan\""},
        {{"--scale="}, Action::Refuse, "not \"\""},
    };
    for (const LineCase& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments, "RNA");
        SCOPED_TRACE(c.arguments.empty() ? std::string("(none)") : std::string(c.arguments.front()));
        EXPECT_EQ(line.action, c.action);
        if (c.errorPart) {
            EXPECT_NE(line.error.find(c.errorPart), std::string::npos) << line.error;
            EXPECT_EQ(line.error.find("RNA: "), 0u) << line.error;
            EXPECT_GT(line.error.find(c.errorPart), line.error.find('\n')) << "Romanian first: " << line.error;
        } else {
            EXPECT_EQ(line.language, c.language);
            EXPECT_EQ(line.scale, c.scale);
            EXPECT_EQ(line.lessonFile, c.lessonFile);
        }
    }
}

#ifdef RNA_PROGRAM
struct ProgramRun {
    int exitCode;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(RNA_PROGRAM), arguments);
    // A line that would start the program never ends on its own: the timeout catches an opened window.
    const bool finished = process.waitForFinished(20000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    return {finished ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(CommandLine, TheProgramAnswersWithoutOpeningAWindow)
{
    const ProgramRun help = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    const qsizetype romanian = help.out.indexOf(QStringLiteral("Utilizare: RNA [OPTIUNE]"));
    const qsizetype english = help.out.indexOf(QStringLiteral("Usage: RNA [OPTION]"));
    EXPECT_GE(romanian, 0) << help.out.toStdString();
    EXPECT_GT(english, romanian) << "the Romanian usage comes first";
    EXPECT_GT(help.out.indexOf(QStringLiteral("--lang LIMBA")), romanian);
    EXPECT_GT(help.out.indexOf(QStringLiteral("--lang LANG")), english);
    EXPECT_TRUE(help.err.isEmpty());

    const ProgramRun version = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("RNA - Introducere " RNA_VERSION "\n"));

    const ProgramRun refused = runProgram({QStringLiteral("--nonsense")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(QStringLiteral("unknown option: --nonsense"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("RNA --help")));

    EXPECT_TRUE(help.out.contains(QStringLiteral("--scale F")));
    const ProgramRun tooLarge = runProgram({QStringLiteral("--scale"), QStringLiteral("5")});
    EXPECT_EQ(tooLarge.exitCode, 2);
    EXPECT_TRUE(tooLarge.err.contains(QStringLiteral("--scale needs a number above 0 and at most 4")))
        << tooLarge.err.toStdString();
}

// A lesson that cannot be opened ends the program before a window shows, with the file and the problem.
TEST(CommandLine, AnInvalidLessonEndsTheProgramWithItsMessage)
{
    QTemporaryDir folder;
    const QString broken = folder.filePath(QStringLiteral("stricata.rna"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\n  \"format\": \"rna-lesson\",\n  \"version\" 1\n}\n");
    file.close();
    struct Case {
        QString path;
        const char* part;  // of the Romanian message, after the file's name
    };
    const Case cases[] = {
        {broken, "linia 3, coloana 13"},
        {folder.filePath(QStringLiteral("lipsa.rna")), "nu poate fi citita"},
        {folder.path(), "este un dosar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const ProgramRun run = runProgram({c.path});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_GT(run.err.indexOf(QLatin1String(c.part)), run.err.indexOf(c.path)) << run.err.toStdString();
        EXPECT_GE(run.err.indexOf(c.path), 0) << run.err.toStdString();
    }
}
#endif

// --scale is QT_SCALE_FACTOR set before the application object exists, replacing one the user set.
TEST(CommandLine, ScaleBecomesQtsScaleFactor)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    qputenv("QT_SCALE_FACTOR", "3");
    ApplyBeforeApplication(ParseCommandLine({"--scale", "1.5"}, "RNA"));
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");
    ApplyBeforeApplication(ParseCommandLine({}, "RNA"));
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");  // no option: left as it is
    if (before.isNull())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", before);
}

}  // namespace
}  // namespace rna::app::test
