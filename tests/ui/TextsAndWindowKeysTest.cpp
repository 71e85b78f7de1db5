// The descriptions' texts asked of the translators by window and control as they load, and keys the whole
// window answers from any control without taking a control's own keys.
#include "RecordingForm.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TMemo.h"

#include <QClipboard>
#include <QKeySequence>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;

namespace {

// Answers "<control>|<text>" for every text asked, and records each question.
class PlaceTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int) const override
    {
        const QString where = QString::fromUtf8(context);
        if (where.startsWith(QLatin1Char('Q')))  // Qt's own texts
            return {};
        asked.append(where + QLatin1Char('/') + QString::fromUtf8(disambiguation) + QLatin1Char('/') +
                     QString::fromUtf8(source));
        return QString::fromUtf8(disambiguation) + QLatin1Char('|') + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
    mutable QStringList asked;
};

const QByteArray TextControls = "{\"kind\": \"TLabel\", \"name\": \"Label1\", \"bounds\": [1, 1, 50, 13], "
                                "\"properties\": {\"Caption\": \"PRAG\", \"Hint\": \"pragul\"}},"
                                "{\"kind\": \"TLabel\", \"name\": \"Label2\", \"bounds\": [1, 20, 50, 13], "
                                "\"properties\": {\"Caption\": \"-0.5\"}},"
                                "{\"kind\": \"TComboBox\", \"name\": \"ComboBox1\", \"bounds\": [1, 40, 90, 21], "
                                "\"properties\": {\"Items\": [\"Identitate\", \"Sigmoid\"]}},"
                                "{\"kind\": \"TMemo\", \"name\": \"Memo1\", \"bounds\": [1, 70, 90, 60], "
                                "\"properties\": {\"Lines\": [\"Un rand \", \"\", \"altul\"]}},"
                                "{\"kind\": \"TEdit\", \"name\": \"Edit1\", \"bounds\": [1, 140, 30, 15], "
                                "\"properties\": {\"Text\": \"Valoare\"}}";

TEST(DescriptionTexts, EachTextIsAskedByItsWindowAndControlAndShownTranslated)
{
    PlaceTranslator translator;
    QCoreApplication::installTranslator(&translator);
    RecordingForm form;
    form.load(describeWindow(TextControls));
    QCoreApplication::removeTranslator(&translator);

    // In the order they load; numbers and empty lines are not asked for, nor an edit box's value.
    const QStringList expected{
        QStringLiteral("TestForm//Test"),
        QStringLiteral("TestForm/Label1/PRAG"),
        QStringLiteral("TestForm/Label1/pragul"),
        QStringLiteral("TestForm/ComboBox1/Identitate"),
        QStringLiteral("TestForm/ComboBox1/Sigmoid"),
        QStringLiteral("TestForm/Memo1/Un rand "),
        QStringLiteral("TestForm/Memo1/altul"),
    };
    QStringList asked = translator.asked;
    QStringList sortedExpected = expected;
    asked.sort();
    sortedExpected.sort();
    EXPECT_EQ(asked, sortedExpected);

    EXPECT_EQ(form.caption(), QStringLiteral("|Test"));
    EXPECT_EQ(form.control<TLabel>("Label1").caption(), QStringLiteral("Label1|PRAG"));
    EXPECT_EQ(form.control<TLabel>("Label1").hint(), QStringLiteral("Label1|pragul"));
    EXPECT_EQ(form.control<TLabel>("Label2").caption(), QStringLiteral("-0.5"));
    EXPECT_EQ(form.control<TComboBox>("ComboBox1").itemText(1), QStringLiteral("ComboBox1|Sigmoid"));
    EXPECT_EQ(form.control<TMemo>("Memo1").lines(),
              (QStringList{QStringLiteral("Memo1|Un rand "), QString(), QStringLiteral("Memo1|altul")}));
    EXPECT_EQ(form.control<TEdit>("Edit1").text(), QStringLiteral("Valoare"));
}

TEST(DescriptionTexts, WithoutATranslatorEveryTextIsAsWritten)
{
    RecordingForm form;
    form.load(describeWindow(TextControls));
    EXPECT_EQ(form.caption(), QStringLiteral("Test"));
    EXPECT_EQ(form.control<TLabel>("Label1").caption(), QStringLiteral("PRAG"));
    EXPECT_EQ(form.control<TMemo>("Memo1").lines(),
              (QStringList{QStringLiteral("Un rand "), QString(), QStringLiteral("altul")}));
}

// F1 reaches the window from each kind of focused control; a control keeps the keys it uses itself.
TEST(WindowKeys, AnsweredFromEveryControlWithoutTakingTheControlsOwnKeys)
{
    RecordingForm form;
    form.load(describeWindow(
        "{\"kind\": \"TEdit\", \"name\": \"Edit1\", \"bounds\": [1, 1, 60, 15], \"properties\": {\"Text\": \"12\"}},"
        "{\"kind\": \"TMemo\", \"name\": \"Memo1\", \"bounds\": [1, 20, 90, 60], "
        "\"properties\": {\"Lines\": [\"abc\"], \"ReadOnly\": true}},"
        "{\"kind\": \"TComboBox\", \"name\": \"ComboBox1\", \"bounds\": [1, 90, 90, 21], "
        "\"properties\": {\"Items\": [\"a\", \"b\"]}},"
        "{\"kind\": \"TTrackBar\", \"name\": \"TrackBar1\", \"bounds\": [1, 120, 90, 20]},"
        "{\"kind\": \"TBitBtn\", \"name\": \"BitBtn1\", \"bounds\": [1, 150, 75, 25], "
        "\"properties\": {\"Caption\": \"Inchide\"}}"));
    int help = 0;
    int copies = 0;
    form.addWindowKey(QKeySequence(Qt::Key_F1), [&help](QObject*) { ++help; });
    form.addWindowKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [&copies](QObject*) { ++copies; });
    ASSERT_TRUE(showActive(form));
    const char* controls[] = {"Edit1", "Memo1", "ComboBox1", "TrackBar1", "BitBtn1"};
    for (const char* name : controls) {
        SCOPED_TRACE(name);
        auto& control = form.control<QWidget>(QString::fromLatin1(name));
        form.focusControl(control);
        const int before = help;
        QTest::keyClick(&control, Qt::Key_F1);
        EXPECT_EQ(help, before + 1);
    }
    // Ctrl+C stays with the edit box: its selection is copied and the window's keys are not run.
    auto& edit = form.control<TEdit>("Edit1");
    form.focusControl(edit);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
    EXPECT_EQ(copies, 0);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(copies, 1);
}

}  // namespace
