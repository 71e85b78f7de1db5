// A lesson: the setup of one demonstration window as a file holds it (its values as slider positions, its
// functions as list indexes), the texts shown beside it, the names the student cannot change, and the members
// this version does not know, kept to be written back.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <map>

namespace rna::neuron {

struct LessonScreen;

struct Lesson {
    QString screen;  // "single-input", "two-input", "network"
    std::map<QString, int> positions;  // every value of the screen, by name: its slider position
    std::map<QString, int> functions;  // every function of the screen, by name: its list index
    // A string, an object of strings by language code, or undefined (none; a default QJsonValue would be null).
    QJsonValue title{QJsonValue::Undefined};
    QJsonValue text{QJsonValue::Undefined};
    QStringList locked;  // value and function names
    QJsonObject unknown;  // members of a later version, as read

    bool operator==(const Lesson&) const = default;

    bool isLocked(const QString& name) const { return locked.contains(name); }
};

// The screen's starting setup: each slider at its described position, each list at its first function.
Lesson StartingLesson(const LessonScreen& screen);

// A title or text in a language ("ro", "en"): the string itself, the language's entry, else the Romanian one,
// else the first; empty for none.
QString LessonText(const QJsonValue& text, const QString& language);

}  // namespace rna::neuron
