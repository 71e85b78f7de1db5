// A screen's values as text for other programs: "name<TAB>value" lines for the clipboard and an RFC 4180 CSV
// file, both with the number texts the screen shows (and so its decimal separator).
#pragma once

#include "neuron/screens/ScreenValues.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace rna::app {

// One value with its neuron, names already in the program's language.
struct SheetRow {
    QString neuron;
    QString name;
    QString text;
};

// The rows of a screen's values, neuron by neuron, names translated (ValueName).
std::vector<SheetRow> SheetRows(const rna::neuron::ScreenValues& values);

// One "name<TAB>value" line per value, each ended by a line break. Where the rows belong to more than one neuron,
// each neuron's lines follow a line with its name alone.
QString ClipboardText(const std::vector<SheetRow>& rows);

// RFC 4180: a header line (neuron, name, value in the given words), then one record per row, every line ended by
// CR LF. The fields are separated by ';' where the decimal separator is ',' (so that numbers stay one field),
// else by ','; a field holding the separator, a quote or a line break is quoted, its quotes doubled.
QByteArray CsvText(const std::vector<SheetRow>& rows, const SheetRow& header, char decimalSeparator);

}  // namespace rna::app
