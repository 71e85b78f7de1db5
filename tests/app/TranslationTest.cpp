// The English version: every text a window shows has its translation, and each fits the control it is shown
// in as the Romanian does; Romanian is kept whatever the system's language.
#include "ProgramUnderTest.h"

#include "app/THelpForm.h"
#include "chart/canvas/ChartFontQt.h"
#include "chart/panel/TChart.h"
#include "neuron/model/NumericModel.h"
#include "ui/TBitBtn.h"
#include "ui/TComboBox.h"
#include "ui/TLabel.h"
#include "ui/TMemo.h"
#include "ui/TextTranslation.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLocale>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace rna::app::test {
namespace {

using rna::ui::TForm;

// The fields a description's pattern leaves for the window's code to fill in ("{n}", "{xmin}"), sorted.
QStringList fieldsOf(const QString& text)
{
    QStringList fields;
    static const QRegularExpression field(QStringLiteral("\\{[a-z0-9]+\\}"));
    for (const QRegularExpressionMatch& match : field.globalMatch(text))
        fields.append(match.captured());
    fields.sort();
    return fields;
}

// Asked before the program's own translations: notes every text of ours that the English ones lack, and every
// English text that does not leave the same fields as its Romanian (a field lost or misspelt there would leave
// the English description unfilled, and so silent).
class MissingTranslations : public QTranslator {
public:
    MissingTranslations() { loaded = english_.load(QStringLiteral(":/assets/translations/en.qm")); }

    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        const QString where = QString::fromUtf8(context);
        // Qt asks for its own texts too, by its class names.
        if (where.startsWith(QLatin1Char('Q')) && where.size() > 1 && where[1].isUpper())
            return {};
        ++asked;
        const QString text = QString::fromUtf8(source);
        const QString place = where + QLatin1Char(' ') + QString::fromUtf8(disambiguation) + QStringLiteral(": \"") +
                              text + QLatin1Char('"');
        const QString english = english_.translate(context, source, disambiguation, n);
        if (english.isNull())
            missing.append(place);
        else if (fieldsOf(english) != fieldsOf(text))
            otherFields.append(place);
        return {};
    }
    bool isEmpty() const override { return false; }

    bool loaded = false;
    mutable int asked = 0;
    mutable QStringList missing;
    mutable QStringList otherFields;

private:
    QTranslator english_;
};

// Every window of a started program, help windows included (shown once so that they exist).
std::vector<TForm*> allWindows(const Program& program)
{
    std::vector<TForm*> windows;
    for (const auto& form : program.application().forms())
        windows.push_back(form.get());
    for (const auto& form : program.application().forms()) {
        program.help().show(*form);
        windows.push_back(program.help().helpOf(*form));
    }
    return windows;
}

TEST(Translations, EveryTextOfEveryWindowHasItsEnglish)
{
    MissingTranslations check;
    ASSERT_TRUE(check.loaded);
    Program program(ProgramPath, Language::English, &check);
    allWindows(program);
    EXPECT_GT(check.asked, 80) << "the texts of the windows were not asked for";
    EXPECT_TRUE(check.missing.isEmpty()) << "no English for:\n"
                                         << check.missing.join(QLatin1Char('\n')).toStdString()
                                         << "\n(bash tools/update-translations.sh, then translate)";
    EXPECT_TRUE(check.otherFields.isEmpty()) << "the English leaves other fields than:\n"
                                             << check.otherFields.join(QLatin1Char('\n')).toStdString();
}

// In English a screen reader reads English: the names and descriptions of the controls, and the chart's summary
// with the function's English name in its field.
TEST(Translations, AssistiveTechnologyReadsTheEnglishWindowsInEnglish)
{
    Program program(ProgramPath, Language::English);
    TForm& network = *program.findForm(QStringLiteral("Form3"));
    ASSERT_TRUE(showAndActivate(network));
    const auto read = [&](const char* control, QAccessible::Text text) {
        QObject& object = network.control<QObject>(QString::fromLatin1(control));
        return QAccessible::queryAccessibleInterface(&object)->text(text).toStdString();
    };
    QAccessible::queryAccessibleInterface(&network.control<QObject>(QStringLiteral("TrackBar1")))
        ->valueInterface()
        ->setCurrentValue(2.0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&network)->text(QAccessible::Name), network.caption());
    EXPECT_EQ(read("TrackBar2", QAccessible::Name), "Weight w1 of neuron 1");
    EXPECT_EQ(read("ComboBox3", QAccessible::Name), "Transfer function of the output neuron");
    EXPECT_EQ(read("Image2", QAccessible::Name), "Diagram of the neural network");
    EXPECT_EQ(read("Chart1", QAccessible::Name), "Chart of the transfer function of neuron 1");
    EXPECT_EQ(read("Chart1", QAccessible::Description),
              "Identity; net input n1 = 0; output a1 = 0; horizontal axis from -10 to 10, vertical axis from -10.05 "
              "to 10.05");
}

// The room a text needs and the room its control offers, in pixels.
struct TextRoom {
    QSize need;
    QSize room;
};

int widthOf(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

TextRoom labelRoom(const rna::ui::TLabel& label)
{
    const QFontMetrics metrics(label.tfont().toQFont());
    const QRect described = label.describedBounds();
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QRect text = metrics.boundingRect(QRect(0, 0, label.wordWrap() ? described.width() : 100000, 100000), flags,
                                            label.caption());
    return {text.size(), described.size()};
}

TextRoom buttonRoom(const rna::ui::TBitBtn& button)
{
    const int glyph = button.glyph().isNull() ? 0 : button.stateGlyph().width() + button.spacing();
    constexpr int Edges = 8;  // the frame and a little air each side
    return {QSize(glyph + widthOf(button.font(), button.caption()) + Edges, QFontMetrics(button.font()).height()),
            button.size()};
}

TextRoom listRoom(const rna::ui::TComboBox& list)
{
    // The edit field shows the chosen item; a longer text scrolls in it and loses its first letters. The field is
    // what the style leaves beside the drop-down button, less Qt's 2-pixel margin each side and the caret.
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = true;
    option.frame = list.hasFrame();
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
    constexpr int MarginsAndCaret = 2 * 2 + 1;
    int widest = 0;
    for (int i = 0; i < list.count(); ++i)
        widest = std::max(widest, widthOf(list.font(), list.itemText(i)));
    return {QSize(widest, 0), QSize(field.width() - MarginsAndCaret, list.height())};
}

TextRoom memoRoom(const rna::ui::TMemo& memo)
{
    constexpr int Margins = 2 * (2 + 4);  // frame and document margin each side
    const QFontMetrics metrics(memo.font());
    const int width = memo.width() - Margins;
    int lines = 0;
    for (const QString& line : memo.lines())
        lines += std::max(1, metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, line).height() /
                                 metrics.lineSpacing());
    return {QSize(width, lines * metrics.lineSpacing()), memo.size()};
}

void addChartRooms(const QString& key, rna::chart::TChart& chart, std::map<QString, TextRoom>& rooms)
{
    int title = 0;
    for (const QString& line : chart.Title().Text())
        title = std::max(title, widthOf(rna::chart::ToQFont(chart.Title().Font()), line));
    if (chart.Title().Visible())
        rooms[key + QStringLiteral(" Title")] = {QSize(title, 0), chart.size()};
    const auto& bottom = chart.BottomAxis()->Title();
    rooms[key + QStringLiteral(" BottomAxis")] = {
        QSize(widthOf(rna::chart::ToQFont(bottom.Font()), bottom.Caption()), 0), chart.size()};
}

// What every text of every window needs, by window and control.
std::map<QString, TextRoom> measureTexts(const Program& program)
{
    std::map<QString, TextRoom> rooms;
    for (TForm* window : allWindows(program)) {
        const QString name = window->name() + QLatin1Char(' ');
        rooms[name + QStringLiteral("Caption")] = {QSize(widthOf(window->font(), window->caption()), 0),
                                                   window->size()};
        for (QObject* control : window->findChildren<QObject*>()) {
            const QString key = name + control->objectName();
            if (const auto* label = qobject_cast<rna::ui::TLabel*>(control))
                rooms[key] = labelRoom(*label);
            else if (const auto* button = qobject_cast<rna::ui::TBitBtn*>(control))
                rooms[key] = buttonRoom(*button);
            else if (const auto* list = qobject_cast<rna::ui::TComboBox*>(control))
                rooms[key] = listRoom(*list);
            else if (const auto* memo = qobject_cast<rna::ui::TMemo*>(control))
                rooms[key] = memoRoom(*memo);
            else if (auto* chart = qobject_cast<rna::chart::TChart*>(control))
                addChartRooms(key, *chart, rooms);
        }
    }
    return rooms;
}

// An English text fits where it needs no more room than its control offers, or than the Romanian needed there.
TEST(Translations, EnglishTextsFitTheControlsTheRomanianFits)
{
    std::map<QString, TextRoom> romanian;
    {
        Program program(ProgramPath, Language::Romanian);
        romanian = measureTexts(program);
    }
    Program program(ProgramPath, Language::English);
    const std::map<QString, TextRoom> english = measureTexts(program);
    ASSERT_EQ(english.size(), romanian.size());
    for (const auto& [place, text] : english) {
        SCOPED_TRACE(place.toStdString());
        const TextRoom& before = romanian.at(place);
        EXPECT_LE(text.need.width(), std::max(text.room.width(), before.need.width()));
        EXPECT_LE(text.need.height(), std::max(text.room.height(), before.need.height()));
    }
}

TEST(Translations, RomanianWhateverTheSystemLanguageAndTheLocalesSeparatorInEither)
{
    const QLocale system;
    for (const Language language : {Language::Romanian, Language::English}) {
        // A German desktop: English would be nearer than Romanian, and numbers are written with ','.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            Program program(ProgramPath, language);
            EXPECT_EQ(Form0->caption(), language == Language::Romanian ? QStringLiteral("RNA - Introducere")
                                                                       : QStringLiteral("RNA - Introduction"));
            EXPECT_EQ(rna::neuron::DecimalSeparator(), ',');
        }
        QLocale::setDefault(system);
        rna::neuron::SetDecimalSeparator('.');
    }
}

}  // namespace
}  // namespace rna::app::test
