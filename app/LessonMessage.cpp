#include "app/LessonMessage.h"

#include "app/ProgramTexts.h"

#include <QDir>
#include <array>
#include <utility>

namespace rna::app {

namespace {

using rna::neuron::LessonProblem;

// The text of each problem, and of each kind of member the reader expects.
constexpr std::array ProblemTexts{
    std::pair{LessonProblem::CannotRead, "lessonCannotRead"},
    std::pair{LessonProblem::Folder, "lessonFolder"},
    std::pair{LessonProblem::TooLarge, "lessonTooLarge"},
    std::pair{LessonProblem::TooDeep, "lessonTooDeep"},
    std::pair{LessonProblem::Syntax, "lessonSyntax"},
    std::pair{LessonProblem::NotALesson, "lessonNotALesson"},
    std::pair{LessonProblem::WrongType, "lessonWrongType"},
    std::pair{LessonProblem::NewerVersion, "lessonNewerVersion"},
    std::pair{LessonProblem::UnknownScreen, "lessonUnknownScreen"},
    std::pair{LessonProblem::UnknownName, "lessonUnknownName"},
    std::pair{LessonProblem::UnknownFunction, "lessonUnknownFunction"},
    std::pair{LessonProblem::OffSteps, "lessonOffSteps"},
    std::pair{LessonProblem::CannotWrite, "lessonCannotWrite"},
};

constexpr std::array ExpectedTexts{
    std::pair{"number", "lessonExpectNumber"}, std::pair{"string", "lessonExpectString"},
    std::pair{"object", "lessonExpectObject"}, std::pair{"list", "lessonExpectList"},
    std::pair{"text", "lessonExpectText"},     std::pair{"version", "lessonExpectVersion"},
};

const char* problemKey(LessonProblem problem)
{
    for (const auto& [kind, key] : ProblemTexts)
        if (kind == problem)
            return key;
    return "lessonCannotRead";
}

QString expectedText(const QString& kind)
{
    for (const auto& [name, key] : ExpectedTexts)
        if (kind == QLatin1String(name))
            return ProgramText(key);
    return kind;
}

// Each %N replaced by the Nth field in one pass, so that a field holding "%2" (a file's name) stays as it is.
QString fillFields(const QString& pattern, const QStringList& fields)
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
            const qsizetype index = pattern[i + 1].digitValue() - 1;
            text += fields.value(index);
            ++i;
        } else
            text += pattern[i];
    }
    return text;
}

}  // namespace

QString LessonMessage(const rna::neuron::LessonError& error)
{
    QStringList fields{QDir::toNativeSeparators(error.file())};
    if (error.problem() == LessonProblem::Syntax)
        fields << QString::number(error.line()) << QString::number(error.column());
    else if (!error.member().isEmpty())
        fields << error.member();
    QStringList details = error.details();
    if (error.problem() == LessonProblem::WrongType && !details.isEmpty())
        details.front() = expectedText(details.front());
    return fillFields(ProgramText(problemKey(error.problem())), fields + details);
}

}  // namespace rna::app
