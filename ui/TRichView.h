// Read-only rich text (Qt's rich text subset of HTML) with a vertical scroll bar: a help text, for instance.
#pragma once

#include "ui/TColor.h"
#include "ui/TFont.h"

#include <QTextBrowser>

namespace rna::ui {

class TRichView : public QTextBrowser {
    Q_OBJECT
public:
    explicit TRichView(QWidget* parent = nullptr);

    // The whole text, replacing the one shown, scrolled to its top.
    void setRichText(const QString& html);
    // The document's <title>, empty when it has none.
    QString documentTitle() const;

    void setColor(TColor color);
    void setTFont(const TFont& font);
};

}  // namespace rna::ui
