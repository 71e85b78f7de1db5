// rna_texts OUT.cpp
// Starts the program headlessly in Romanian, lets it ask for every text it translates (the windows'
// descriptions as they load, the help windows, the value names, the program's own texts) and writes them as
// QT_TRANSLATE_NOOP3 entries, the form Qt's lupdate reads: tools/update-translations.sh turns them into
// assets/translations/*.ts.
#include "app/Program.h"
#include "app/ProgramTexts.h"
#include "app/ValueSheet.h"
#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"
#include "tools/texts/TextRecorder.h"

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <exception>

namespace {

QByteArray CppString(const QString& text)
{
    QByteArray quoted("\"");
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

QStringList ProgramTextKeys()
{
    QFile file(QStringLiteral(":/assets/texts/program.json"));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object().keys() : QStringList();
}

QByteArray Entries(const std::vector<rna::tools::AskedText>& texts)
{
    QByteArray out("// Written by rna_texts: every text the program translates, with its window and control.\n");
    for (const rna::tools::AskedText& text : texts)
        out += "QT_TRANSLATE_NOOP3(" + CppString(text.context) + ", " + CppString(text.source) + ", " +
               CppString(text.disambiguation) + ");\n";
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: rna_texts OUT.cpp\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    try {
        rna::tools::TextRecorder recorder;
        const rna::app::Program program(argv[0], rna::app::Language::Romanian, &recorder);
        // The help windows load their description when first shown; the value names are asked as values are
        // copied; the program's own texts are asked by key.
        for (const auto& form : program.application().forms())
            program.help().show(*form);
        for (const rna::neuron::ScreenValues& values :
             {rna::neuron::Form1->values(), rna::neuron::Form2->values(), rna::neuron::Form3->values()})
            rna::app::SheetRows(values);
        for (const QString& key : ProgramTextKeys())
            rna::app::ProgramText(key.toLatin1().constData());
        QFile out(QString::fromLocal8Bit(argv[1]));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(Entries(recorder.texts())) < 0) {
            std::fprintf(stderr, "rna_texts: cannot write '%s'\n", argv[1]);
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "rna_texts: %s\n", error.what());
        return 1;
    }
}
