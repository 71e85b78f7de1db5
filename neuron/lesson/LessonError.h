// Why a lesson file could not be read or written: the file, the kind of problem, the member at fault and what was
// expected there, as fields the program's texts are filled with (the texts are the program's, in its language).
#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace rna::neuron {

enum class LessonProblem {
    CannotRead,  // details: the system's reason
    Folder,
    TooLarge,  // details: the limit in bytes
    TooDeep,  // details: the nesting limit
    Syntax,  // line, column; details: the parser's reason
    NotALesson,  // the "format" member is missing or another
    WrongType,  // member; details: the expected kind ("number", "string", "object", "list", "text", "version")
    NewerVersion,  // details: the file's version, the newest this program reads
    UnknownScreen,  // member; details: the value, the known screens
    UnknownName,  // member; details: the name, the names of the screen
    UnknownFunction,  // member; details: the value, the known functions
    OffSteps,  // member; details: the value, the lowest, the highest, the step
    CannotWrite,  // details: the system's reason
};

class LessonError : public std::runtime_error {
public:
    LessonError(QString file, LessonProblem problem, QString member = {}, QStringList details = {}, int line = 0,
                int column = 0);

    const QString& file() const { return file_; }
    LessonProblem problem() const { return problem_; }
    // The member at fault as a path ("values.p", "locked[2]"); empty for the file as a whole.
    const QString& member() const { return member_; }
    const QStringList& details() const { return details_; }
    // Where a syntax error is: 1-based line and column (in characters); 0 for other problems.
    int line() const { return line_; }
    int column() const { return column_; }

private:
    QString file_;
    LessonProblem problem_;
    QString member_;
    QStringList details_;
    int line_;
    int column_;
};

}  // namespace rna::neuron
