// Feeds arbitrary bytes to the lesson reader and checks what holds for every input: no crash, hang or undefined
// behaviour (the sanitizers), only the reader's own error for a bad file (with a line and column exactly for
// syntax errors), and for an accepted lesson, its document read back as the same lesson and written the same.
#include "neuron/lesson/LessonFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace rna::neuron;

namespace {

[[noreturn]] void Fail(const char* what, const QByteArray& input, const QByteArray& detail = {})
{
    std::fprintf(stderr, "%s\ninput (%lld bytes): '%s'\n%s\n", what, static_cast<long long>(input.size()),
                 input.constData(), detail.constData());
    std::abort();
}

void CheckError(const LessonError& error, const QByteArray& input)
{
    if (error.file() != QLatin1String("fuzz.rna"))
        Fail("error without the file's name", input);
    const bool syntax = error.problem() == LessonProblem::Syntax;
    if (syntax != (error.line() > 0 && error.column() > 0))
        Fail("line and column for syntax errors only", input);
    if (syntax && error.line() > input.count('\n') + 1)
        Fail("line beyond the text", input);
    if (error.problem() == LessonProblem::CannotRead || error.problem() == LessonProblem::CannotWrite ||
        error.problem() == LessonProblem::Folder)
        Fail("a file problem for bytes in memory", input);
}

void CheckRoundTrip(const Lesson& lesson, const QByteArray& input)
{
    const QByteArray written = LessonJson(lesson);
    try {
        const Lesson reread = ParseLesson(written, QStringLiteral("fuzz.rna"));
        if (!(reread == lesson))
            Fail("written lesson reads back different", input, written);
        if (LessonJson(reread) != written)
            Fail("written lesson not stable", input, written);
    } catch (const LessonError& error) {
        Fail("written lesson refused", input, written + "\n" + error.what());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The screens' ranges come from the embedded window descriptions, read through Qt's resource system.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        CheckRoundTrip(ParseLesson(input, QStringLiteral("fuzz.rna")), input);
    } catch (const LessonError& error) {
        CheckError(error, input);
    }
    return 0;
}
