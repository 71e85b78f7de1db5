#include "ui/WidgetLook.h"

#include <QPalette>
#include <QWidget>

namespace rna::ui {

void applyFont(QWidget& widget, const TFont& font)
{
    widget.setFont(font.toQFont());
    QPalette palette = widget.palette();
    const QColor color = toQColor(font.color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget.setPalette(palette);
}

void applyBaseColor(QWidget& widget, TColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, toQColor(color));
    widget.setPalette(palette);
}

}  // namespace rna::ui
