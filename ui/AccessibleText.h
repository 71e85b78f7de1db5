// The name and description assistive technology reads for a control, windowed or painted alike, as a window
// description gives them; a description may hold fields ("{n}") that the window's code fills in.
#pragma once

#include <QString>
#include <map>

class QObject;

namespace rna::ui {

// Field name -> the text that replaces "{name}".
using AccessibleFields = std::map<QString, QString>;

QString accessibleName(const QObject& control);
void setAccessibleName(QObject& control, const QString& name);
QString accessibleDescription(const QObject& control);

// A text with fields is kept as the control's description pattern: the control has no description until
// fillAccessibleDescription gives it the fields' values. A text without fields is the description itself.
void setAccessibleDescription(QObject& control, const QString& text);
// The pattern with its fields replaced by these values; a control without a pattern keeps its description.
void fillAccessibleDescription(QObject& control, const AccessibleFields& values);

// Each "{name}" of the pattern replaced by its value. Empty when a field has no value or a brace is unmatched:
// a description with a hole in it would mislead more than none.
QString fillFields(const QString& pattern, const AccessibleFields& values);

}  // namespace rna::ui
