#include "ui/TRichView.h"

#include "ui/WidgetLook.h"

#include <QScrollBar>
#include <QTextDocument>

namespace rna::ui {

TRichView::TRichView(QWidget* parent) : QTextBrowser(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // Links inside the text may jump to its anchors; nothing opens outside the program.
    setOpenExternalLinks(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(185, 89);
}

void TRichView::setRichText(const QString& html)
{
    setHtml(html);
    verticalScrollBar()->setValue(0);
}

QString TRichView::documentTitle() const
{
    return document()->metaInformation(QTextDocument::DocumentTitle).trimmed();
}

void TRichView::setColor(TColor color)
{
    applyBaseColor(*this, color);
}

void TRichView::setTFont(const TFont& font)
{
    applyFont(*this, font);
}

}  // namespace rna::ui
