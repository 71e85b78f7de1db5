// Single lines of plain text laid out once and drawn again as QPainter::drawText draws them into a rectangle:
// a label's caption is shaped when it is set, not at every paint.
#pragma once

#include "ui/RecentValues.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <memory>

class QPainter;

namespace rna::ui {

class TextLines {
public:
    // Later lines are laid out in this font; the kept ones are dropped.
    void setFont(const QFont& font);

    // The line for text drawn with these Qt::TextFlag and alignment flags, laid out now unless kept. Null for a
    // text only the painter's own text drawing handles: empty, wrapped, with tabs, line breaks or a mnemonic,
    // or in an underlined or struck-out font.
    const QTextLayout* prepare(const QString& text, int flags);

    // Draws a prepared line into area, aligned by flags, with the pixels of painter.drawText(area, flags, text)
    // on a left-to-right painter that is already clipped to area.
    static void draw(QPainter& painter, const QTextLayout& line, const QRect& area, int flags);

private:
    bool handles(const QString& text, int flags) const;

    QFont font_;
    // A slider going back and forth writes the same few captions again and again.
    RecentValues<std::unique_ptr<QTextLayout>, 16> kept_;
};

}  // namespace rna::ui
