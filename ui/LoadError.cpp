#include "ui/LoadError.h"

namespace rna::ui {

namespace {
std::string describe(const QString& file, const QString& entry, const QString& problem)
{
    const QString where = entry.isEmpty() ? file : file + QStringLiteral(": ") + entry;
    return (where + QStringLiteral(": ") + problem).toStdString();
}
}  // namespace

LoadError::LoadError(const QString& file, const QString& entry, const QString& problem)
    : std::runtime_error(describe(file, entry, problem)), file_(file), entry_(entry), problem_(problem)
{}

}  // namespace rna::ui
