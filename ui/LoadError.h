// The failure of loading a window description: names the file and the entry at fault.
#pragma once

#include <QString>
#include <stdexcept>

namespace rna::ui {

class LoadError : public std::runtime_error {
public:
    LoadError(const QString& file, const QString& entry, const QString& problem);

    const QString& file() const { return file_; }
    const QString& entry() const { return entry_; }
    const QString& problem() const { return problem_; }

private:
    QString file_;
    QString entry_;
    QString problem_;
};

}  // namespace rna::ui
