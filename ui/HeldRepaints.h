#pragma once

#include <QWidget>

namespace rna::ui {

// Holds back a widget's repaint requests while it lives; at its end one repaint of the whole widget stands for
// them (Qt repaints a widget whose updates are enabled again). A widget whose updates are off already is left
// as it is.
class HeldRepaints {
public:
    explicit HeldRepaints(QWidget& widget) : widget_(widget), enabled_(widget.updatesEnabled())
    {
        if (enabled_)
            widget_.setUpdatesEnabled(false);
    }
    ~HeldRepaints()
    {
        if (enabled_)
            widget_.setUpdatesEnabled(true);
    }
    HeldRepaints(const HeldRepaints&) = delete;
    HeldRepaints& operator=(const HeldRepaints&) = delete;

private:
    QWidget& widget_;
    bool enabled_;
};

}  // namespace rna::ui
