// Lesson files: UTF-8 JSON documents (docs/lesson-format.md), read with limits on size and nesting and checked
// member by member against the screens' names, ranges and steps; written whole or not at all.
#pragma once

#include "neuron/lesson/Lesson.h"
#include "neuron/lesson/LessonError.h"

#include <QByteArray>
#include <QString>

namespace rna::neuron {

inline constexpr const char* LessonFormatName = "rna-lesson";
inline constexpr int LessonVersion = 1;
// A lesson is a few hundred bytes; the limits only keep a wrong or hostile file from costing memory and time.
inline constexpr qint64 LessonSizeLimit = 1024 * 1024;
inline constexpr int LessonDepthLimit = 16;

// Reads and checks the file; throws LessonError naming the file, the member and what was expected.
Lesson ReadLessonFile(const QString& path);
// The same for a file's bytes; `file` names it in errors.
Lesson ParseLesson(const QByteArray& bytes, const QString& file);

// The document of a lesson, values in the screen's units.
QByteArray LessonJson(const Lesson& lesson);
// Writes the document through a temporary file renamed over the target at the end: on failure the file that was
// there is left as it was, and LessonError (CannotWrite) names the file and the reason.
void SaveLessonFile(const QString& path, const Lesson& lesson);

}  // namespace rna::neuron
