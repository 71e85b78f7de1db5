// A control without a window of its own (label, picture), painted by its form in description order.
#pragma once

#include "ui/TNotifyEvent.h"

#include <QAccessible>
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

    const QRect& boundsRect() const
    {
        settle();
        return bounds_;
    }
    // Replaces the bounds: sizing the control still owed to the old ones is moot.
    void setBounds(const QRect& bounds);
    int left() const { return boundsRect().left(); }
    int top() const { return boundsRect().top(); }
    int width() const { return boundsRect().width(); }
    int height() const { return boundsRect().height(); }

    // Does the work a control put off while its window was hidden (a label measuring its caption), so that its
    // bounds and looks are what they would have been had it been done at once. Reading the bounds settles; so
    // does showing the window.
    void settle() const
    {
        if (!unsettled_)
            return;
        unsettled_ = false;
        // Controls are created and owned by their window as non-const objects: completing one from a const
        // accessor is sound.
        const_cast<TGraphicControl*>(this)->settleNow();
    }

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Shown as a tooltip by the form while the mouse rests on the control; empty: none.
    const QString& hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }

    // What assistive technology reads of the control: its name (empty: a label reads as its caption) and a
    // description. A change is announced to a listening assistive technology.
    const QString& accessibleName() const { return accessibleName_; }
    void setAccessibleName(const QString& name);
    const QString& accessibleDescription() const { return accessibleDescription_; }
    void setAccessibleDescription(const QString& description);

    void setOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    // A left press and release inside the control.
    void click();

    // Paints into the form's surface; the painter is clipped to the bounds and has them as origin.
    virtual void paint(QPainter& painter) const = 0;
    // Asks the form to repaint this control's area.
    void invalidate();

protected:
    // Tells a listening assistive technology that what it reads of the control changed; nothing while none listens.
    void announce(QAccessible::Event change);
    // Asks for settleNow() before the bounds are next read.
    void putOff() { unsettled_ = true; }
    virtual void settleNow() {}
    // Called by setBounds before the bounds are replaced.
    virtual void boundsReplaced() {}
    // The stored bounds, without settling: for the control's own sizing.
    const QRect& storedBounds() const { return bounds_; }
    // Takes new bounds and repaints the old and new areas, without boundsReplaced().
    void place(const QRect& bounds);

private:
    TForm& form_;
    QRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    mutable bool unsettled_ = false;
    QString hint_;
    QString accessibleName_;
    QString accessibleDescription_;
    TNotifyEvent onClick_;
};

}  // namespace rna::ui
