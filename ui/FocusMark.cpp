#include "ui/FocusMark.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace rna::ui {

namespace {

class Strip : public QWidget {
public:
    explicit Strip(QWidget& window) : QWidget(&window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter(this).fillRect(event->rect(), QColor::fromRgba(FocusMark::kColor));
    }
};

}  // namespace

FocusMark::FocusMark(QWidget& window) : QObject(&window)
{
    for (QWidget*& strip : strips_)
        strip = new Strip(window);
}

bool FocusMark::isStrip(const QObject* object)
{
    return dynamic_cast<const Strip*>(object) != nullptr;
}

QWidget* FocusMark::ringed() const
{
    return followed_ && strips_[0]->isVisible() ? followed_.data() : nullptr;
}

void FocusMark::follow(QWidget* control)
{
    followed_ = control;
    if (!control || !control->isVisible()) {
        for (QWidget* strip : strips_)
            strip->hide();
        return;
    }
    const QRect inner = control->geometry();
    const QRect outer = inner.adjusted(-kWidth, -kWidth, kWidth, kWidth);
    const QRect edges[] = {
        QRect(outer.left(), outer.top(), outer.width(), kWidth),  // above
        QRect(outer.left(), inner.bottom() + 1, outer.width(), kWidth),  // below
        QRect(outer.left(), inner.top(), kWidth, inner.height()),  // left
        QRect(inner.right() + 1, inner.top(), kWidth, inner.height()),  // right
    };
    for (std::size_t i = 0; i < strips_.size(); ++i) {
        strips_[i]->setGeometry(edges[i]);
        strips_[i]->show();
        strips_[i]->raise();
    }
}

}  // namespace rna::ui
