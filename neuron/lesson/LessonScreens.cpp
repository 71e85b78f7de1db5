#include "neuron/lesson/LessonScreens.h"

#include "neuron/model/NumericModel.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace rna::neuron {

namespace {

struct ValueRow {
    const char* name;
    const char* slider;
    SliderScale scale;  // as the screen reads its slider
};

struct FunctionRow {
    const char* name;
    const char* list;
};

struct ScreenRow {
    const char* id;
    const char* window;
    std::vector<ValueRow> values;
    std::vector<FunctionRow> functions;
};

// The one table of names: the rest (ranges, steps, starting values) comes from the descriptions.
const std::vector<ScreenRow>& screenRows()
{
    using enum SliderScale;
    static const std::vector<ScreenRow> rows{
        {"single-input",
         "Form1",
         {{"p", "TrackBar1", Tenths}, {"w", "TrackBar2", Tenths}, {"b", "TrackBar3", Units}},
         {{"f", "ComboBox1"}}},
        {"two-input",
         "Form2",
         {{"p1", "TrackBar1", Tenths},
          {"p2", "TrackBar2", Tenths},
          {"w1", "TrackBar3", Tenths},
          {"w2", "TrackBar4", Tenths},
          {"b", "TrackBar5", Units}},
         {{"f", "ComboBox1"}}},
        {"network",
         "Form3",
         {{"p", "TrackBar1", Tenths},
          {"w1", "TrackBar2", Tenths},
          {"w2", "TrackBar3", Tenths},
          {"b1", "TrackBar4", Units},
          {"b2", "TrackBar5", Units},
          {"v1", "TrackBar6", Tenths},
          {"v2", "TrackBar7", Tenths},
          {"b3", "TrackBar8", Units}},
         {{"f1", "ComboBox1"}, {"f2", "ComboBox2"}, {"f3", "ComboBox3"}}},
    };
    return rows;
}

QJsonObject controlProperties(const QString& window, const QString& control)
{
    QFile file(QStringLiteral(":/assets/forms/%1.json").arg(window));
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("no description of " + window.toStdString());
    const QJsonArray controls =
        QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("controls")).toArray();
    for (const QJsonValue& entry : controls)
        if (entry.toObject().value(QLatin1String("name")).toString() == control)
            return entry.toObject().value(QLatin1String("properties")).toObject();
    throw std::logic_error("no " + control.toStdString() + " in the description of " + window.toStdString());
}

LessonValue valueOf(const ScreenRow& screen, const ValueRow& row)
{
    const QJsonObject properties = controlProperties(QLatin1String(screen.window), QLatin1String(row.slider));
    const auto integer = [&](const char* name) {
        const QJsonValue value = properties.value(QLatin1String(name));
        if (!value.isDouble())
            throw std::logic_error(std::string(row.slider) + " of " + screen.window + " has no " + name);
        return value.toInt();
    };
    return {
        QLatin1String(row.name), QLatin1String(row.slider), row.scale == SliderScale::Tenths ? 10 : 1, integer("Min"),
        integer("Max"),          integer("Position")};
}

std::vector<LessonScreen> buildScreens()
{
    std::vector<LessonScreen> screens;
    for (const ScreenRow& row : screenRows()) {
        LessonScreen& screen = screens.emplace_back();
        screen.id = QLatin1String(row.id);
        screen.window = QLatin1String(row.window);
        for (const ValueRow& value : row.values)
            screen.values.push_back(valueOf(row, value));
        for (const FunctionRow& function : row.functions)
            screen.functions.push_back({QLatin1String(function.name), QLatin1String(function.list)});
    }
    return screens;
}

}  // namespace

std::optional<int> LessonValue::positionOf(double value) const
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double nearest = std::round(value * positionsPerUnit);
    if (nearest < min || nearest > max)
        return std::nullopt;
    // Exactly the number the slider's step gives, as a file written by the program holds it: 2.55 is no step.
    const int position = int(nearest);
    return valueOf(position) == value ? std::optional<int>(position) : std::nullopt;
}

const LessonValue* LessonScreen::value(QStringView name) const
{
    const auto found = std::find_if(values.begin(), values.end(), [&](const LessonValue& v) { return v.name == name; });
    return found == values.end() ? nullptr : &*found;
}

const LessonFunction* LessonScreen::function(QStringView name) const
{
    const auto found =
        std::find_if(functions.begin(), functions.end(), [&](const LessonFunction& f) { return f.name == name; });
    return found == functions.end() ? nullptr : &*found;
}

QStringList LessonScreen::names() const
{
    QStringList all;
    for (const LessonValue& v : values)
        all.append(v.name);
    for (const LessonFunction& f : functions)
        all.append(f.name);
    return all;
}

const std::vector<LessonScreen>& LessonScreens()
{
    static const std::vector<LessonScreen> screens = buildScreens();
    return screens;
}

const LessonScreen* FindLessonScreen(QStringView id)
{
    for (const LessonScreen& screen : LessonScreens())
        if (screen.id == id)
            return &screen;
    return nullptr;
}

const LessonScreen* LessonScreenOfWindow(QStringView window)
{
    for (const LessonScreen& screen : LessonScreens())
        if (screen.window == window)
            return &screen;
    return nullptr;
}

QStringList LessonFunctionNames()
{
    QStringList names;
    for (const TransferFunction& function : TransferFunctions)
        names.append(QString::fromUtf8(function.id.data(), qsizetype(function.id.size())));
    return names;
}

}  // namespace rna::neuron
