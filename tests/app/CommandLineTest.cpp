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
    };
    for (const LineCase& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments, "RNA");
        SCOPED_TRACE(c.arguments.empty() ? std::string("(none)") : std::string(c.arguments.front()));
        EXPECT_EQ(line.action, c.action);
        if (c.errorPart) {
            EXPECT_NE(line.error.find(c.errorPart), std::string::npos) << line.error;
            EXPECT_EQ(line.error.rfind("RNA: ", 0), 0u) << line.error;
            EXPECT_GT(line.error.find(c.errorPart), line.error.find('\n')) << "Romanian first: " << line.error;
        } else
            EXPECT_EQ(line.language, c.language);
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
}
#endif

}  // namespace
}  // namespace rna::app::test
