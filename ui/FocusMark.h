// The mark that shows which control has the keyboard focus while its window is active: a ring two pixels wide in a
// dark colour just outside the control, drawn over whatever lies there (the window's labels, a neighbour's edge).
// The ring is four opaque strips, none over the control itself: a control repainting its inside (a slider's thumb
// moving) makes nothing else repaint.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <array>

class QWidget;

namespace rna::ui {

class FocusMark : public QObject {
    Q_OBJECT
public:
    static constexpr int kWidth = 2;
    // Navy: more than 10:1 against the light window and control colours it lies on.
    static constexpr QRgb kColor = 0xff000080;

    explicit FocusMark(QWidget& window);

    // Rings the control (a child of the window), or hides the ring (null).
    void follow(QWidget* control);
    // The control ringed now, or null.
    QWidget* ringed() const;
    // Whether the widget is one of the ring's strips (which are not controls of the window).
    static bool isStrip(const QObject* object);

private:
    QPointer<QWidget> followed_;
    std::array<QWidget*, 4> strips_{};
};

}  // namespace rna::ui
