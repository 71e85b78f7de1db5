// Reads a window description (JSON) into a TForm: properties, controls in order, then handlers by name.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace rna::ui {

class TForm;

struct LoadOptions {
    // Logical dots per inch to load for; unset: the primary screen's.
    std::optional<double> logicalDpi;
};

class FormLoader {
public:
    // path: e.g. ":/assets/forms/Form0.json". Throws LoadError naming the file and the entry.
    static void loadFile(TForm& form, const QString& path, const LoadOptions& options = {});
    // fileLabel names the description in error messages.
    static void loadString(TForm& form, const QByteArray& json, const QString& fileLabel,
                           const LoadOptions& options = {});
};

}  // namespace rna::ui
