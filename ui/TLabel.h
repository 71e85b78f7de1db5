// Label painted by its form: opaque or transparent, aligned, word-wrapped, sizing itself to its caption.
#pragma once

#include "ui/FormTypes.h"
#include "ui/Notify.h"
#include "ui/RecentValues.h"
#include "ui/TColor.h"
#include "ui/TFont.h"
#include "ui/TGraphicControl.h"
#include "ui/TextLines.h"

#include <QFont>
#include <QFontMetrics>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

namespace rna::ui {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
    Q_OBJECT
public:
    explicit TLabel(TForm& form);

    QString caption() const { return caption_; }
    // Equal caption: nothing. Otherwise stores, re-sizes (AutoSize) and repaints; a label read by its caption
    // announces its new name.
    void setCaption(const QString& caption);

    // The control this label names for assistive technology (the slider whose value it shows), or null.
    QWidget* labelFor() const { return labelFor_; }
    void setLabelFor(QWidget* control) { labelFor_ = control; }

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    bool showAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool on);
    TTextLayout layout() const { return layout_; }
    void setLayout(TTextLayout layout);

    // Colour: the form's while ParentColor is on.
    TColor color() const;
    void setColor(TColor color);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool on);
    // Font: the form's while ParentFont is on.
    TFont tfont() const;
    void setTFont(const TFont& font);
    bool parentFont() const { return parentFont_; }
    void setParentFont(bool on);
    // The form's font changed.
    void parentFontChanged();

    // Measures the caption and takes that size (left edge fixed; a right-aligned label keeps its right edge).
    // On a hidden window the measuring waits until the bounds are read, the label is painted or the window
    // is shown: hidden windows load no fonts and shape no text at start-up.
    void adjustBounds();

    // Loading: the description's bounds, to size from once every property is set (a wrapping label
    // measures within its described width, whatever order its caption and word wrap were set in).
    void setDescribedBounds(const QRect& bounds);
    const QRect& describedBounds() const { return describedBounds_; }
    void finishLoading();

    void paint(QPainter& painter) const override;

protected:
    void settleNow() override;
    void boundsReplaced() override;

private:
    // What one sizing measures with; the bounds it starts from are the label's at that time.
    struct Sizing {
        QString caption;
        int flags;  // textFlags() then, which carry the word wrap and the alignment
        TFont font;
    };
    int textFlags() const;
    // The caption, font or text flags changed: brought up to date now on a shown window, later on a hidden one.
    void contentChanged(bool resize);
    // Sizes to the caption as adjustBounds() did when the sizing was asked for.
    void applySizing(const Sizing& sizing);
    // Rebuilds the Qt font and its metrics when the font the label shows changed; measured sizes go with them.
    void refreshFont(const TFont& font);
    // The caption's bounding rectangle for these flags within `room` pixels, measured once per distinct text:
    // a slider going back and forth writes the same few captions again and again.
    QRect measure(const QString& text, int flags, int room);
    // Lays the caption out for painting when its text, font or text flags changed.
    void prepareText();

    QString caption_;
    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TTextLayout layout_ = TTextLayout::tlTop;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
    QRect describedBounds_;
    QPointer<QWidget> labelFor_;

    TFont shownFont_;  // the font qfont_ and metrics_ were made from, once fontReady_
    bool fontReady_ = false;
    QFont qfont_;
    QFontMetrics metrics_{qfont_};
    struct Measured {
        QString text;
        int flags;
        int room;
        QRect rect;
    };
    // Recent measurements with qfont_: a handful covers a slider's neighbouring values.
    RecentValues<Measured, 16> measured_;
    // Sizings asked for on a hidden window and not done yet, oldest first. Each starts from the bounds the one
    // before left, so they are done in order; replacing the bounds makes them all moot.
    std::vector<Sizing> owed_;
    bool textStale_ = true;  // the caption is not laid out for painting in the current font and flags
    TextLines lines_;  // recent captions laid out in qfont_
    const QTextLayout* shownLine_ = nullptr;  // the caption's, kept by lines_; null: drawn by drawText
};

}  // namespace rna::ui
