#include "tools/snapshot/ActionRunner.h"

#include "chart/panel/ChartWidget.h"
#include "ui/TBitBtn.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace rna::tools {

namespace {

using Kind = SnapshotAction::Kind;

// Lets the windowing system deliver what the action caused (activation, focus, repaints).
void Settle()
{
    QCoreApplication::processEvents();
}

bool WaitFor(const std::function<bool()>& condition)
{
    const QDeadlineTimer deadline(2000);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

}  // namespace

void ActionRunner::Run(const SnapshotAction& action)
{
    const bool windowOnly =
        action.kind == Kind::HideWindow || action.kind == Kind::ShowWindow || action.kind == Kind::DecimalSeparator;
    if (!windowOnly && !window_.isVisible())
        throw std::runtime_error(QStringLiteral("action '%1': the window is hidden, no input reaches it")
                                     .arg(action.argument)
                                     .toStdString());
    switch (action.kind) {
    case Kind::DragSlider:
        DragSlider(*qobject_cast<rna::ui::TTrackBar*>(action.control), action.number);
        break;
    case Kind::SliderKey:
        PressSliderKey(*qobject_cast<rna::ui::TTrackBar*>(action.control), action.key);
        break;
    case Kind::PickListItem:
        PickListItem(*qobject_cast<rna::ui::TComboBox*>(action.control), action.number);
        break;
    case Kind::TypeListText:
    case Kind::TypeEditText:
        TypeOver(*qobject_cast<QWidget*>(action.control), action.text);
        break;
    case Kind::ClickLabel:
        ClickLabel(*action.control);
        break;
    case Kind::ClickButton:
        QTest::mouseClick(qobject_cast<rna::ui::TBitBtn*>(action.control), Qt::LeftButton);
        break;
    case Kind::FocusedKey:
        PressFocusedKey(action.key);
        break;
    case Kind::HideWindow:
        window_.hide();
        break;
    case Kind::ShowWindow:
        ShowWindow();
        break;
    case Kind::DecimalSeparator:
        AnnounceDecimalSeparator(action.locale);
        break;
    case Kind::DragChart:
        DragChart(*qobject_cast<QWidget*>(action.control), action.button, action.from, action.to);
        break;
    case Kind::TurnWheel:
        TurnWheel(*qobject_cast<QWidget*>(action.control), action.number);
        break;
    }
    Settle();
}

// The user grips the thumb and moves the pointer along the slider, closing in on the place where the thumb
// shows the target, then lets go. Every move is a scroll notification, as in a real drag.
void ActionRunner::DragSlider(rna::ui::TTrackBar& slider, int target)
{
    const bool horizontal = slider.orientation() == Qt::Horizontal;
    const QPoint grip = slider.thumbRect().center();
    const auto pointAt = [&](int along) { return horizontal ? QPoint(along, grip.y()) : QPoint(grip.x(), along); };
    QTest::mousePress(&slider, Qt::LeftButton, {}, grip);
    if (slider.position() == target) {
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, grip);  // let go where it was: one notification
        return;
    }
    // Positions grow along the slider (Min at the left or the top); beyond its ends the thumb stays at Min or Max.
    const int length = horizontal ? slider.width() : slider.height();
    int low = -length;
    int high = 2 * length;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        QTest::mouseMove(&slider, pointAt(middle));
        if (slider.position() < target)
            low = middle + 1;
        else
            high = middle;
    }
    QTest::mouseMove(&slider, pointAt(low));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, pointAt(low));
    if (slider.position() != target)
        throw std::runtime_error(
            QStringLiteral("%1 cannot be dragged to %2").arg(slider.objectName()).arg(target).toStdString());
}

void ActionRunner::PressSliderKey(rna::ui::TTrackBar& slider, Qt::Key key)
{
    window_.focusControl(slider);
    QTest::keyClick(&slider, key);
}

// Drops the list down with a click on its arrow, then clicks the item. The second click comes after the
// double-click interval, as a person's would: a release sooner after the list opened counts as the opening
// click's own and picks nothing.
void ActionRunner::PickListItem(rna::ui::TComboBox& list, int index)
{
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(list.width() - 6, list.height() / 2));
    if (!WaitFor([&] { return list.isDroppedDown(); }))
        throw std::runtime_error(QStringLiteral("%1 does not drop down").arg(list.objectName()).toStdString());
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QAbstractItemView* view = list.view();
    const QPoint item = view->visualRect(list.model()->index(index, list.modelColumn())).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    WaitFor([&] { return !list.isDroppedDown(); });
}

void ActionRunner::TypeOver(QWidget& control, const QString& text)
{
    window_.focusControl(control);
    QTest::keyClick(&control, Qt::Key_Home);
    QTest::keyClick(&control, Qt::Key_End, Qt::ShiftModifier);
    if (text.isEmpty())
        QTest::keyClick(&control, Qt::Key_Delete);
    for (const QChar c : text) {
        // Characters without a key of their own (beyond ASCII) come as the text of an unknown key.
        if (c.unicode() < 0x80)
            QTest::keyClick(&control, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, &control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The click lands on whatever the user sees at the label's centre: a control lying over it takes it.
void ActionRunner::ClickLabel(QObject& label)
{
    const QPoint centre = qobject_cast<rna::ui::TLabel*>(&label)->boundsRect().center();
    QWidget* target = window_.childAt(centre);
    if (!target)
        target = &window_;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window_, centre));
}

void ActionRunner::PressFocusedKey(Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &window_, key);
}

void ActionRunner::ShowWindow()
{
    window_.showForm();
    WaitFor([&] { return window_.isActiveWindow(); });
}

// The system's number settings change: the program answers the announcement through its locale hook.
void ActionRunner::AnnounceDecimalSeparator(const QLocale& locale)
{
    QLocale::setDefault(locale);
    QEvent announcement(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &announcement);
}

// Press, then one pixel at a time along the straight line (the longer direction steps by one each move), release.
// The points are the chart's own pixels; on a window scaled to another density each is the middle of its cell
// of the control's pixels.
void ActionRunner::DragChart(QWidget& chart, Qt::MouseButton button, QPoint from, QPoint to)
{
    const auto* widget = qobject_cast<const rna::chart::ChartWidget*>(&chart);
    const qreal scale = widget != nullptr ? widget->ContentScale() : 1.0;
    const auto at = [scale](QPoint p) {
        return QPoint(int(std::floor((p.x() + 0.5) * scale)), int(std::floor((p.y() + 0.5) * scale)));
    };
    QTest::mousePress(&chart, button, {}, at(from));
    const QPoint way = to - from;
    const int steps = std::max(std::abs(way.x()), std::abs(way.y()));
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(&chart,
                         at(from + QPoint(qRound(double(way.x()) * i / steps), qRound(double(way.y()) * i / steps))));
    QTest::mouseRelease(&chart, button, {}, at(to));
}

// One wheel event per notch over the chart's centre; a notch towards the user is a negative angle.
void ActionRunner::TurnWheel(QWidget& chart, int notches)
{
    const QPoint centre = chart.rect().center();
    const QPoint notch(0, notches > 0 ? -120 : 120);
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent wheel(centre, chart.mapToGlobal(centre), QPoint(), notch, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &wheel);
    }
}

}  // namespace rna::tools
