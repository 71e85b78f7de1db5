// The user's text for a lesson file that could not be read or written: the program's text for the problem (in
// its language) filled with the file, the member at fault and what was expected.
#pragma once

#include "neuron/lesson/LessonError.h"

#include <QString>

namespace rna::app {

QString LessonMessage(const rna::neuron::LessonError& error);

}  // namespace rna::app
