// Lesson files: what the program writes it reads back identical, the documented examples read, and every kind of
// bad file is refused with its problem, the member at fault and what was expected.
#include "neuron/lesson/LessonFile.h"
#include "neuron/lesson/LessonScreens.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <unistd.h>

namespace rna::neuron::test {
namespace {

// A random valid lesson of the screen: every slider somewhere on its range, random functions, locks and texts.
Lesson randomLesson(const LessonScreen& screen, std::mt19937& random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Lesson lesson = StartingLesson(screen);
    for (const LessonValue& value : screen.values)
        lesson.positions[value.name] = pick(value.min, value.max);
    for (const LessonFunction& function : screen.functions)
        lesson.functions[function.name] = pick(0, int(LessonFunctionNames().size()) - 1);
    for (const QString& name : screen.names())
        if (pick(0, 3) == 0)
            lesson.locked.append(name);
    if (pick(0, 1))
        lesson.title = QStringLiteral("Lectia %1 \"<b>\" ă").arg(pick(0, 99));
    else if (pick(0, 1))
        lesson.title =
            QJsonObject{{QStringLiteral("ro"), QStringLiteral("Pragul")}, {QStringLiteral("en"), "Threshold"}};
    if (pick(0, 1))
        lesson.text = QStringLiteral("rand 1\nrand 2\t%1").arg(pick(0, 9));
    if (pick(0, 2) == 0)
        lesson.unknown.insert(QStringLiteral("author"), QJsonObject{{QStringLiteral("tags"), QJsonArray{1, "x"}}});
    return lesson;
}

TEST(LessonFile, RandomValidStatesReadBackIdentical)
{
    std::mt19937 random(31);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lectie.rna"));
    for (int round = 0; round < 300; ++round) {
        const LessonScreen& screen = LessonScreens()[std::size_t(round) % LessonScreens().size()];
        const Lesson lesson = randomLesson(screen, random);
        SCOPED_TRACE(LessonJson(lesson).toStdString());
        EXPECT_EQ(ParseLesson(LessonJson(lesson), QStringLiteral("x.rna")), lesson);
        if (round % 30 == 0) {
            SaveLessonFile(path, lesson);
            EXPECT_EQ(ReadLessonFile(path), lesson);
        }
    }
}

TEST(LessonFile, TheDocumentedExamplesRead)
{
    const QDir examples(QStringLiteral(RNA_SOURCE_DIR "/docs/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.rna")}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_NO_THROW(ReadLessonFile(examples.filePath(file)));
    }
    const Lesson threshold = ReadLessonFile(examples.filePath(QStringLiteral("threshold-lesson.rna")));
    EXPECT_EQ(threshold.positions.at(QStringLiteral("p")), 20);
    EXPECT_EQ(threshold.positions.at(QStringLiteral("w")), 5);
    EXPECT_EQ(threshold.positions.at(QStringLiteral("b")), 0);  // left out: its starting value
    EXPECT_EQ(threshold.functions.at(QStringLiteral("f")), 2);
    EXPECT_EQ(threshold.locked, QStringList({QStringLiteral("p"), QStringLiteral("w"), QStringLiteral("f")}));
    EXPECT_EQ(LessonText(threshold.title, QStringLiteral("en")), QStringLiteral("The neuron's threshold"));
    EXPECT_EQ(LessonText(threshold.title, QStringLiteral("de")), QStringLiteral("Pragul neuronului"));
}

// Members this version does not know come back when the lesson is written again.
TEST(LessonFile, UnknownMembersAreKept)
{
    const QByteArray file = R"({"format": "rna-lesson", "version": 1, "screen": "network",
        "author": {"name": "Ana", "year": 2026}, "hints": ["a", "b"]})";
    const Lesson lesson = ParseLesson(file, QStringLiteral("x.rna"));
    const QJsonObject written = QJsonDocument::fromJson(LessonJson(lesson)).object();
    EXPECT_EQ(written.value(QStringLiteral("author")), QJsonDocument::fromJson(file).object().value("author"));
    EXPECT_EQ(written.value(QStringLiteral("hints")), QJsonDocument::fromJson(file).object().value("hints"));
}

struct BadCase {
    const char* name;
    QByteArray text;
    LessonProblem problem;
    const char* member;
    QStringList details;  // compared when given
    int line = 0;
    int column = 0;
};

QByteArray lessonWith(const char* members)
{
    return QByteArray(R"({"format": "rna-lesson", "version": 1, "screen": "single-input", )") + members + "}";
}

TEST(LessonFile, EachKindOfBadTextIsRefusedNamingWhatIsWrong)
{
    using enum LessonProblem;
    const BadCase cases[] = {
        // Syntax: where the parser stops, in lines and characters (the letters before it are two bytes each).
        {"syntax", "{\n  \"format\": \"rna-lesson\",\n  \"version\" 1\n}", Syntax, "", {}, 3, 13},
        {"syntax after letters", "{\"text\": \"ăîș\" \"x\"}", Syntax, "", {}, 1, 16},
        {"empty", "", Syntax, "", {}, 1, 1},
        {"no object", "[1, 2]", NotALesson, "", {}},
        {"other format", R"({"format": "png", "version": 1})", NotALesson, "format", {}},
        {"version as text",
         R"({"format": "rna-lesson", "version": "1", "screen": "network"})",
         WrongType,
         "version",
         {"version"}},
        {"version 0", R"({"format": "rna-lesson", "version": 0})", WrongType, "version", {"version"}},
        {"version 1.5", R"({"format": "rna-lesson", "version": 1.5})", WrongType, "version", {"version"}},
        {"newer version",
         R"({"format": "rna-lesson", "version": 2, "screen": "hologram"})",
         NewerVersion,
         "version",
         {"2", "1"}},
        {"no screen", R"({"format": "rna-lesson", "version": 1})", WrongType, "screen", {"string"}},
        {"unknown screen",
         R"({"format": "rna-lesson", "version": 1, "screen": "three-input"})",
         UnknownScreen,
         "screen",
         {"three-input", "single-input, two-input, network"}},
        {"values as list", lessonWith(R"("values": [1])"), WrongType, "values", {"object"}},
        {"value as text", lessonWith(R"("values": {"p": "2"})"), WrongType, "values.p", {"number"}},
        {"value of another screen",
         lessonWith(R"("values": {"w1": 0.5})"),
         UnknownName,
         "values.w1",
         {"w1", "p, w, b"}},
        {"between steps", lessonWith(R"("values": {"p": 2.55})"), OffSteps, "values.p", {"2.55", "0", "5", "0.1"}},
        {"beyond the range", lessonWith(R"("values": {"w": -1.1})"), OffSteps, "values.w", {"-1.1", "-1", "1", "0.1"}},
        {"threshold in tenths", lessonWith(R"("values": {"b": 0.5})"), OffSteps, "values.b", {"0.5", "-5", "5", "1"}},
        {"huge value", lessonWith(R"("values": {"p": 1e308})"), OffSteps, "values.p", {}},
        {"unknown function",
         lessonWith(R"("functions": {"f": "relu"})"),
         UnknownFunction,
         "functions.f",
         {"relu", "identity, tanh, logistic"}},
        {"function by list text",
         lessonWith(R"("functions": {"f": "Identitate"})"),
         UnknownFunction,
         "functions.f",
         {}},
        {"function as index", lessonWith(R"("functions": {"f": 1})"), WrongType, "functions.f", {"string"}},
        {"function of the network", lessonWith(R"("functions": {"f2": "tanh"})"), UnknownName, "functions.f2", {}},
        {"title as number", lessonWith(R"("title": 5)"), WrongType, "title", {"text"}},
        {"text by language", lessonWith(R"("text": {"ro": "a", "en": ["b"]})"), WrongType, "text.en", {"string"}},
        {"locked as text", lessonWith(R"("locked": "p")"), WrongType, "locked", {"list"}},
        {"locked unknown", lessonWith(R"("locked": ["p", "q"])"), UnknownName, "locked[1]", {"q", "p, w, b, f"}},
        {"too deep", lessonWith(R"("extra": [[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]])"), TooDeep, "", {"16"}},
        {"too large", QByteArray(LessonSizeLimit + 1, ' '), TooLarge, "", {"1048576"}},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ParseLesson(c.text, QStringLiteral("lectie.rna"));
            ADD_FAILURE() << "accepted";
        } catch (const LessonError& error) {
            EXPECT_EQ(error.file(), QStringLiteral("lectie.rna"));
            EXPECT_EQ(int(error.problem()), int(c.problem));
            EXPECT_EQ(error.member(), QLatin1String(c.member));
            if (!c.details.isEmpty()) {
                EXPECT_EQ(error.details(), c.details);
            }
            EXPECT_EQ(error.line(), c.line);
            EXPECT_EQ(error.column(), c.column);
        }
    }
}

TEST(LessonFile, FilesThatCannotBeReadOrWrittenAreNamed)
{
    QTemporaryDir folder;
    const QString large = folder.filePath(QStringLiteral("mare.rna"));
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.resize(LessonSizeLimit + 1);
    file.close();
    struct Case {
        QString path;
        LessonProblem problem;
    };
    std::vector<Case> reads{
        {folder.path(), LessonProblem::Folder},
        {folder.filePath(QStringLiteral("lipsa.rna")), LessonProblem::CannotRead},
        {large, LessonProblem::TooLarge},
    };
    // Without read permission (which does not stop the superuser).
    const QString closed = folder.filePath(QStringLiteral("inchisa.rna"));
    QFile closedFile(closed);
    ASSERT_TRUE(closedFile.open(QIODevice::WriteOnly));
    closedFile.close();
    ASSERT_TRUE(closedFile.setPermissions(QFileDevice::WriteOwner));
    if (geteuid() != 0)
        reads.push_back({closed, LessonProblem::CannotRead});
    for (const Case& c : reads) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            ReadLessonFile(c.path);
            ADD_FAILURE() << "read";
        } catch (const LessonError& error) {
            EXPECT_EQ(error.file(), c.path);
            EXPECT_EQ(int(error.problem()), int(c.problem));
        }
    }
    // A write that cannot end leaves what was at the path as it was.
    const Lesson lesson = StartingLesson(LessonScreens().front());
    const QString inFolder = folder.filePath(QStringLiteral("dosar.rna"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("dosar.rna")));
    const Case writes[] = {
        {folder.filePath(QStringLiteral("lipsa/lectie.rna")), LessonProblem::CannotWrite},
        {inFolder, LessonProblem::CannotWrite},
    };
    for (const Case& c : writes) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            SaveLessonFile(c.path, lesson);
            ADD_FAILURE() << "written";
        } catch (const LessonError& error) {
            EXPECT_EQ(error.file(), c.path);
            EXPECT_EQ(int(error.problem()), int(c.problem));
            EXPECT_FALSE(error.details().value(0).isEmpty());
        }
    }
    EXPECT_TRUE(QFileInfo(inFolder).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("inchisa.rna"), QStringLiteral("mare.rna")}));
}

}  // namespace
}  // namespace rna::neuron::test
