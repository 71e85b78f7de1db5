// The name and description assistive technology reads for a control, windowed or painted alike, as a window
// description gives them; a description may hold fields ("{n}") whose values the window's code gives.
#pragma once

#include <QString>
#include <functional>
#include <map>

class QObject;

namespace rna::ui {

// Field name -> the text that replaces "{name}".
using AccessibleFields = std::map<QString, QString>;

QString accessibleName(const QObject& control);
void setAccessibleName(QObject& control, const QString& name);
// The description as it reads now (one owed to a change of its fields' values is worked out first).
QString accessibleDescription(const QObject& control);

// A text with fields is kept as the control's description pattern: the control has no description until its
// fields get values. A text without fields is the description itself.
void setAccessibleDescription(QObject& control, const QString& text);

// Where the values of a pattern's fields come from. Working them out costs time at every change of the window, and
// only assistive technology reads them: after accessibleFieldsChanged() the description is worked out again at
// once while one listens (and announced when it changed), otherwise when it is next read or when one starts to
// listen.
using AccessibleFieldsSource = std::function<AccessibleFields()>;
void setAccessibleFieldsSource(QObject& control, AccessibleFieldsSource source);
void accessibleFieldsChanged(QObject& control);
// Works out a description owed to a change: accessible interfaces call it before they read a description.
void settleAccessibleDescription(const QObject& control);

// Each "{name}" of the pattern replaced by its value. Empty when a field has no value or a brace is unmatched:
// a description with a hole in it would mislead more than none.
QString fillFields(const QString& pattern, const AccessibleFields& values);

}  // namespace rna::ui
