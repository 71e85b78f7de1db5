// The program's own texts that no window description holds (the save dialog, export headers, messages) and the
// names of the values it copies, in the program's language.
#pragma once

#include <QString>

namespace rna::app {

// The text of that key in assets/texts/program.json, translated with "Program" as context and the key as
// disambiguation. An unknown key is a programming error and throws.
QString ProgramText(const char* key);

// A screen's value name ("iesire", "functia", "neuron1") translated with "Values" as context; the name itself
// in Romanian.
QString ValueName(const QString& name);

}  // namespace rna::app
