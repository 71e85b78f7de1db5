// What a lesson can set on each demonstration window: its values (slider, range and step) and its functions
// (drop-down list), by the names lesson files use. Built once from a small table of names and the windows'
// descriptions, which give each slider's range and starting position.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace rna::neuron {

struct LessonValue {
    QString name;  // "p", "w1"
    QString control;  // the slider, "TrackBar1"
    int positionsPerUnit = 1;  // 10: the value is position / 10
    int min = 0;  // slider positions
    int max = 0;
    int start = 0;

    double valueOf(int position) const { return double(position) / positionsPerUnit; }
    // The position that shows exactly this value; none when it lies off the range or between two steps.
    std::optional<int> positionOf(double value) const;
};

struct LessonFunction {
    QString name;  // "f", "f1"
    QString control;  // the list, "ComboBox1"
};

struct LessonScreen {
    QString id;  // "single-input"
    QString window;  // "Form1"
    std::vector<LessonValue> values;
    std::vector<LessonFunction> functions;

    const LessonValue* value(QStringView name) const;
    const LessonFunction* function(QStringView name) const;
    // Value names, then function names, in table order (for messages and checks).
    QStringList names() const;
};

// The three screens, in the main menu's order. The descriptions are read at the first call; a description that
// lacks a slider of the table is a programming error and throws std::logic_error.
const std::vector<LessonScreen>& LessonScreens();
const LessonScreen* FindLessonScreen(QStringView id);
const LessonScreen* LessonScreenOfWindow(QStringView window);

// The stable names of the transfer functions in files, in list order ("identity", "tanh", "logistic").
QStringList LessonFunctionNames();

}  // namespace rna::neuron
