// The command line: which lines start the program, which print a text, which are refused; and the program
// itself answering them without opening a window.
#include "app/CommandLine.h"

#include <QProcess>
#include <QString>
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
        {{"Form1"}, Action::Refuse, "unknown option: Form1"},
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
