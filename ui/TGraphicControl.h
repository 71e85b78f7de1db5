// A control without a window of its own (label, picture), painted by its form in description order.
#pragma once

#include "ui/TNotifyEvent.h"

#include <QObject>
#include <QRect>
#include <QString>

class QPainter;

namespace rna::ui {

class TForm;

class TGraphicControl : public QObject {
    Q_OBJECT
public:
    explicit TGraphicControl(TForm& form);
    ~TGraphicControl() override;

    TForm& form() const { return form_; }

    const QRect& boundsRect() const { return bounds_; }
    void setBounds(const QRect& bounds);
    int left() const { return bounds_.left(); }
    int top() const { return bounds_.top(); }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Shown as a tooltip by the form while the mouse rests on the control; empty: none.
    const QString& hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }

    void setOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    // A left press and release inside the control.
    void click();

    // Paints into the form's surface; the painter is clipped to the bounds and has them as origin.
    virtual void paint(QPainter& painter) const = 0;
    // Asks the form to repaint this control's area.
    void invalidate();

private:
    TForm& form_;
    QRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    QString hint_;
    TNotifyEvent onClick_;
};

}  // namespace rna::ui
