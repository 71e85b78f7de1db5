// The program read from outside through the accessibility bus, as a screen reader reads it: the single-input
// example of the README replayed by an AT-SPI client (replay_single_input.py), then the window's tree and the
// changes announced on the way. Events need a real bus: the offscreen platform raises none.
#include "AccessibilityBus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rna::desktop::test {
namespace {

constexpr int kReplayTimeoutMs = 90000;

// The child of that role (and name, when given) in a node of the dumped tree; an empty object when none.
QJsonObject childOf(const QJsonObject& node, const char* role, const char* name = nullptr)
{
    for (const QJsonValue& child : node.value(QLatin1String("children")).toArray()) {
        const QJsonObject c = child.toObject();
        if (c.value(QLatin1String("role")).toString() == QLatin1String(role) &&
            (!name || c.value(QLatin1String("name")).toString() == QLatin1String(name)))
            return c;
    }
    return {};
}

std::vector<std::string> namesOf(const QJsonObject& node, const char* role)
{
    std::vector<std::string> names;
    for (const QJsonValue& child : node.value(QLatin1String("children")).toArray())
        if (child.toObject().value(QLatin1String("role")).toString() == QLatin1String(role))
            names.push_back(child.toObject().value(QLatin1String("name")).toString().toStdString());
    return names;
}

// The texts announced by the events of that kind ("accessible-name") from objects of that role, in order.
std::vector<std::string> announced(const QJsonArray& events, const char* kind, const char* role)
{
    std::vector<std::string> texts;
    for (const QJsonValue& event : events) {
        const QJsonObject e = event.toObject();
        if (e.value(QLatin1String("event")).toString() == QLatin1String(kind) &&
            e.value(QLatin1String("role")).toString() == QLatin1String(role))
            texts.push_back(e.value(QLatin1String("text")).toString().toStdString());
    }
    return texts;
}

bool containsInOrder(const std::vector<std::string>& all, const std::vector<std::string>& wanted)
{
    std::size_t next = 0;
    for (const std::string& text : all)
        if (next < wanted.size() && text == wanted[next])
            ++next;
    return next == wanted.size();
}

class Replay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(bus_.address().isEmpty()) << bus_.error().toStdString();
        QProcessEnvironment environment = bus_.environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // The program offers its tree at once, without waiting to be told that a screen reader runs.
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        program_.setProcessEnvironment(environment);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_.setStandardOutputFile(QProcess::nullDevice());
        program_.start(QStringLiteral(RNA_PROGRAM), {});
        ASSERT_TRUE(program_.waitForStarted(10000));

        QProcess reader;
        reader.setProcessEnvironment(bus_.environment());
        reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(RNA_REPLAY_SCRIPT)});
        ASSERT_TRUE(reader.waitForFinished(kReplayTimeoutMs)) << "the replay did not end";
        const QByteArray output = reader.readAllStandardOutput();
        ASSERT_EQ(reader.exitCode(), 0) << output.toStdString();
        QJsonParseError error;
        const QJsonObject result = QJsonDocument::fromJson(output, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << output.toStdString();
        window = result.value(QLatin1String("window")).toObject();
        events = result.value(QLatin1String("events")).toArray();
    }

    void TearDown() override
    {
        program_.terminate();
        if (!program_.waitForFinished(5000))
            program_.kill();
    }

    QJsonObject window;
    QJsonArray events;

private:
    AccessibilityBus bus_;
    QProcess program_;
};

TEST_F(Replay, TheSingleInputExampleReadsAsTheWindowShowsIt)
{
    EXPECT_EQ(window.value(QLatin1String("role")).toString(), "frame");

    // The painted labels with the values, the picture with its description, the chart with its summary.
    const std::vector<std::string> labels = namesOf(window, "label");
    for (const char* shown :
         {"p = ", "2.5", "w = ", "0.8", "b = ", "-1", "n = ", "1.00", "0.7616", "MARIMEA DE IESIRE"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), shown), labels.end()) << shown;
    EXPECT_EQ(childOf(window, "image", "Schema neuronului cu o intrare").value(QLatin1String("description")).toString(),
              "Schema neuronului cu o intrare: intrarea p, ponderea w, suma, pragul b, functia de activare, iesirea");
    const QString summary = QStringLiteral("Tangent hiperbolic; intrarea neta n = 1.00; iesirea 0.7616; axa "
                                           "orizontala de la -10.05 la 10.05, axa verticala de la -1.05 la 1.05");
    const QJsonObject chart = childOf(window, "chart", "Functia de transfer a neuronului");
    EXPECT_EQ(chart.value(QLatin1String("description")).toString(), summary);

    // The sliders in the screen's units, each named by its value label; the list by what it chooses.
    struct Slider {
        const char* name;
        std::vector<double> value;  // current, minimum, maximum, step
        const char* label;
    };
    const Slider sliders[] = {{"Marimea de intrare p", {2.5, 0, 5, 0.1}, "2.5"},
                              {"Ponderea w", {0.8, -1, 1, 0.1}, "0.8"},
                              {"Pragul b", {-1, -5, 5, 1}, "-1"}};
    for (const Slider& s : sliders) {
        SCOPED_TRACE(s.name);
        const QJsonObject slider = childOf(window, "slider", s.name);
        ASSERT_FALSE(slider.isEmpty());
        const QJsonArray value = slider.value(QLatin1String("value")).toArray();
        ASSERT_EQ(value.size(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(value[i].toDouble(), s.value[std::size_t(i)], 1e-9) << i;
        const QJsonArray labelledBy =
            slider.value(QLatin1String("relations")).toObject().value("labelled by").toArray();
        EXPECT_EQ(labelledBy, QJsonArray({QLatin1String(s.label)}));
    }
    const QJsonObject list = childOf(window, "combo box", "Functia de activare");
    EXPECT_EQ(childOf(list, "text").value(QLatin1String("text")).toString(), "Tangent hiperbolic");

    // On the way: each slider's value, then its label, n and the output as their captions changed, then the
    // chart's summary once per new text.
    EXPECT_EQ(announced(events, "accessible-value", "slider"),
              (std::vector<std::string>{"Marimea de intrare p", "Ponderea w", "Pragul b"}));
    EXPECT_TRUE(containsInOrder(announced(events, "accessible-name", "label"),
                                {"0.0000", "2.5", "0.00", "0.8", "2.00", "0.9640", "-1", "1.00", "0.7616"}));
    const std::vector<std::string> summaries = announced(events, "accessible-description", "chart");
    ASSERT_FALSE(summaries.empty());
    EXPECT_EQ(summaries.back(), summary.toStdString());
    EXPECT_EQ(std::adjacent_find(summaries.begin(), summaries.end()), summaries.end()) << "a summary repeated";
}

}  // namespace
}  // namespace rna::desktop::test
