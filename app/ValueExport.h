// Ctrl+Shift+C and Ctrl+E of a demonstration window: its picture and its values to the clipboard, or to a PNG file
// with the values in a CSV file next to it (same name, ".csv").
#pragma once

#include "neuron/screens/ScreenValues.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

namespace rna::ui {
class TForm;
}

namespace rna::app {

class ValueExport {
public:
    using ValuesOf = std::function<rna::neuron::ScreenValues()>;
    // Asks where to save for the window; empty: the user cancelled.
    using FileNameChooser = std::function<QString(rna::ui::TForm& window)>;

    ValueExport();

    // Binds the window's Ctrl+Shift+C and Ctrl+E; `values` gives what the window shows at that moment.
    void attachTo(rna::ui::TForm& window, ValuesOf values);

    // One clipboard item with the window's picture and its "name<TAB>value" lines.
    static void copy(rna::ui::TForm& window, const rna::neuron::ScreenValues& values);
    // Asks for the file and writes both; nothing when the user cancels. A write that fails throws its message.
    void save(rna::ui::TForm& window, const rna::neuron::ScreenValues& values) const;

    // The save dialog is replaced, e.g. by a fixed answer in tests; returns the previous chooser.
    FileNameChooser setFileNameChooser(FileNameChooser chooser);

    // Writes the PNG and the CSV each to a temporary file in the target folder and renames both only when both
    // are written; when either fails, neither is left (a PNG already renamed is removed, and one saved earlier
    // under its name is put back) and the message, naming the file, is thrown as std::runtime_error.
    static void writeFiles(const QString& pngPath, const QImage& picture, const QByteArray& csv);
    // The CSV's path beside the PNG: its name with ".csv" in place of its last suffix.
    static QString csvPathFor(const QString& pngPath);

private:
    FileNameChooser chooser_;
};

}  // namespace rna::app
