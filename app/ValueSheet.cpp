#include "app/ValueSheet.h"

#include "app/ProgramTexts.h"

namespace rna::app {

namespace {

QString csvField(const QString& text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvRecord(const SheetRow& row, QChar separator)
{
    return csvField(row.neuron, separator) + separator + csvField(row.name, separator) + separator +
           csvField(row.text, separator) + QStringLiteral("\r\n");
}

}  // namespace

std::vector<SheetRow> SheetRows(const rna::neuron::ScreenValues& values)
{
    std::vector<SheetRow> rows;
    for (const rna::neuron::NeuronValues& neuron : values)
        for (const rna::neuron::ShownValue& value : neuron.values)
            rows.push_back({ValueName(neuron.neuron), ValueName(value.name), value.text});
    return rows;
}

QString ClipboardText(const std::vector<SheetRow>& rows)
{
    bool severalNeurons = false;
    for (const SheetRow& row : rows)
        severalNeurons = severalNeurons || row.neuron != rows.front().neuron;
    QString text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (severalNeurons && (i == 0 || rows[i].neuron != rows[i - 1].neuron))
            text += rows[i].neuron + QLatin1Char('\n');
        text += rows[i].name + QLatin1Char('\t') + rows[i].text + QLatin1Char('\n');
    }
    return text;
}

QByteArray CsvText(const std::vector<SheetRow>& rows, const SheetRow& header, char decimalSeparator)
{
    const QChar separator = decimalSeparator == ',' ? QLatin1Char(';') : QLatin1Char(',');
    QString text = csvRecord(header, separator);
    for (const SheetRow& row : rows)
        text += csvRecord(row, separator);
    return text.toUtf8();
}

}  // namespace rna::app
