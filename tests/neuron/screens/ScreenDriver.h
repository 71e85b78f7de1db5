// A started program with one demonstration window shown and active, driven through simulated mouse and keyboard
// input, and read back through its controls, series and rendered charts.
#pragma once

#include "app/Program.h"
#include "chart/axis/TChartAxis.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartSeries.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"
#include "ui/TMemo.h"
#include "ui/TTrackBar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace rna::neuron::test {

inline constexpr const char* ProgramPath = "/usr/local/bin/RNA";

struct Point {
    double x;
    double y;
    bool operator==(const Point&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Point& p)
{
    return out << '(' << p.x << ", " << p.y << ')';
}

struct AxisRange {
    double minimum;
    double maximum;
    bool operator==(const AxisRange&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const AxisRange& r)
{
    return out << r.minimum << " .. " << r.maximum;
}

class ScreenDriver {
public:
    // Starts the program, shows the main menu and then the window, as the user gets to it.
    explicit ScreenDriver(const char* windowName)
    {
        program.application().setErrorPresenter(
            [this](const QString&, const QString& message) { errors.push_back(message.toStdString()); });
        program.application().mainForm()->showForm();
        window = program.findForm(QString::fromLatin1(windowName));
        show();
    }

    void show()
    {
        window->showForm();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <class T>
    T& get(const char* name) const
    {
        return window->control<T>(QString::fromLatin1(name));
    }

    std::string caption(const char* label) const { return get<rna::ui::TLabel>(label).caption().toStdString(); }
    std::string editText(const char* edit) const { return get<rna::ui::TEdit>(edit).text().toStdString(); }
    std::string listText(const char* list) const { return get<rna::ui::TComboBox>(list).text().toStdString(); }

    std::vector<Point> points(const char* series) const
    {
        const auto& s = get<rna::chart::TChartSeries>(series);
        std::vector<Point> result;
        for (int i = 0; i < s.PointCount(); ++i)
            result.push_back({s.XValueAt(i), s.YValueAt(i)});
        return result;
    }
    AxisRange leftAxis(const char* chart) const
    {
        const auto& axis = *get<rna::chart::TChart>(chart).LeftAxis();
        return {axis.Minimum(), axis.Maximum()};
    }

    // The control takes the focus (as by Tab) and the user presses and releases the key.
    void key(const char* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget& widget = get<QWidget>(control);
        window->focusControl(widget);
        QTest::keyClick(&widget, key, modifiers);
    }
    // Home, then one line step at a time to the position.
    void moveSlider(const char* slider, int position)
    {
        auto& s = get<rna::ui::TTrackBar>(slider);
        key(slider, Qt::Key_Home);
        while (s.position() < position)
            QTest::keyClick(&s, Qt::Key_Right);
        ASSERT_EQ(s.position(), position) << slider;
    }
    // Drops the list down from the keyboard (F4) and clicks the item.
    void pick(const char* list, int index)
    {
        auto& l = get<rna::ui::TComboBox>(list);
        window->focusControl(l);
        QTest::keyClick(&l, Qt::Key_F4);
        ASSERT_TRUE(QTest::qWaitFor([&] { return l.isDroppedDown(); }, 2000)) << list;
        QAbstractItemView* view = l.view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(l.model()->index(index, 0)).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !l.isDroppedDown(); }, 2000)) << list;
    }
    // Focuses a list's edit field or an edit box, selects its text with the keyboard and types over it.
    void typeOver(const char* control, const QString& text)
    {
        QWidget& widget = get<QWidget>(control);
        window->focusControl(widget);
        QTest::keyClick(&widget, Qt::Key_Home);
        QTest::keyClick(&widget, Qt::Key_End, Qt::ShiftModifier);
        if (text.isEmpty())
            QTest::keyClick(&widget, Qt::Key_Delete);
        for (const QChar c : text) {
            // Characters without a key of their own (beyond ASCII) come as the text of an unknown key.
            if (c.unicode() < 0x80)
                QTest::keyClick(&widget, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // A click at the label's centre on the window surface.
    void clickLabel(const char* label)
    {
        QTest::mouseClick(window, Qt::LeftButton, {}, get<rna::ui::TLabel>(label).boundsRect().center());
    }

    // The chart as it is painted on the screen; its axes' mappings are those of this painting.
    QImage render(const char* chart) const
    {
        return get<rna::chart::TChart>(chart).grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    int xPixel(const char* chart, double x) const
    {
        return get<rna::chart::TChart>(chart).BottomAxis()->Scale().ValueToPixel(x);
    }
    int yPixel(const char* chart, double y) const
    {
        return get<rna::chart::TChart>(chart).LeftAxis()->Scale().ValueToPixel(y);
    }

    rna::app::Program program{ProgramPath};
    rna::ui::TForm* window = nullptr;
    std::vector<std::string> errors;
};

// Records which series are cleared, in order, through the series' own clear events; `note` adds what the
// test wants to see at that moment (e.g. a label's caption).
class ClearRecorder {
public:
    ClearRecorder(const ScreenDriver& screen, std::initializer_list<const char*> series,
                  std::function<std::string()> note = {})
    {
        for (const char* name : series) {
            auto& s = screen.get<rna::chart::TChartSeries>(name);
            s.OnClearValues = [this, name, note](rna::chart::TChartSeries&) {
                log.push_back(note ? std::string(name) + " " + note() : std::string(name));
            };
            watched_.push_back(&s);
        }
    }
    ~ClearRecorder()
    {
        for (rna::chart::TChartSeries* s : watched_)
            s->OnClearValues = {};
    }
    std::vector<std::string> log;

private:
    std::vector<rna::chart::TChartSeries*> watched_;
};

// The system's number settings change: the default locale (which the program reads) becomes one writing the
// given decimal separator, and the change is announced. The destructor restores the system's.
class SeparatorAnnouncer {
public:
    ~SeparatorAnnouncer() { announce(QLocale::system()); }
    void announce(const QLocale& locale)
    {
        QLocale::setDefault(locale);
        QEvent announcement(QEvent::LocaleChange);
        if (QCoreApplication::instance())
            QCoreApplication::sendEvent(QCoreApplication::instance(), &announcement);
    }
    void comma() { announce(QLocale(QLocale::German, QLocale::Germany)); }
    void point() { announce(QLocale::c()); }
};

// Colour tests on rendered charts.
inline bool isGreen(QRgb pixel)
{
    return pixel == qRgb(0, 0x80, 0);
}
inline bool isRed(QRgb pixel)
{
    return pixel == qRgb(0xFF, 0, 0);
}
// Whether a pixel of that colour lies within `radius` pixels (horizontally and vertically) of (x, y).
template <class Colour>
bool colourNear(const QImage& image, int x, int y, int radius, Colour isColour)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(x + dx, y + dy) && isColour(image.pixel(x + dx, y + dy)))
                return true;
    return false;
}

}  // namespace rna::neuron::test
