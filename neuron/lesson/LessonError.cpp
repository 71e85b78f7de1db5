#include "neuron/lesson/LessonError.h"

namespace rna::neuron {

namespace {

// For logs and tests only; the user reads the program's own text made from the fields.
std::string summary(const QString& file, const QString& member, const QStringList& details)
{
    return (file + QStringLiteral(": ") + member + QStringLiteral(" ") + details.join(QStringLiteral(", ")))
        .toStdString();
}

}  // namespace

LessonError::LessonError(QString file, LessonProblem problem, QString member, QStringList details, int line, int column)
    : std::runtime_error(summary(file, member, details)), file_(std::move(file)), problem_(problem),
      member_(std::move(member)), details_(std::move(details)), line_(line), column_(column)
{}

}  // namespace rna::neuron
