// Bitmap button: glyph and caption centred together 4 pixels apart; bkOK gives the default role, the OK
// modal result and the check-mark glyph; a click sets the form's modal result, then fires OnClick.
#pragma once

#include "ui/FormTypes.h"
#include "ui/TFont.h"
#include "ui/TNotifyEvent.h"

#include <QImage>
#include <QPushButton>

namespace rna::ui {

enum class TBitBtnKind { bkCustom, bkOK };

class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    TBitBtnKind kind() const { return kind_; }
    void setKind(TBitBtnKind kind);
    TModalResult modalResult() const { return modalResult_; }
    void setModalResult(TModalResult result) { modalResult_ = result; }
    bool isDefaultButton() const { return default_; }
    void setDefaultButton(bool on);
    bool isCancel() const { return cancel_; }
    void setCancel(bool on) { cancel_ = on; }
    // A strip of NumGlyphs images side by side: normal, disabled.
    void setGlyph(const QImage& glyph);
    const QImage& glyph() const { return glyph_; }
    void setNumGlyphs(int count);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);
    void setTFont(const TFont& font);

    // The glyph image for the current state, with its transparent colour cleared.
    QImage stateGlyph() const;
    // Where glyph and caption go inside the button.
    QRect glyphRect() const;
    QRect captionRect() const;

    void setOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }

    // Loading done: a bkOK button without caption gets "OK".
    void loaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void clickedByAnyone();
    QSize contentSize() const;
    void repaintEnterTargets();

    TNotifyEvent onClick_;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    TModalResult modalResult_ = TModalResult::mrNone;
    bool default_ = false;
    bool cancel_ = false;
    QImage glyph_;
    int numGlyphs_ = 1;
    int spacing_ = 4;
};

}  // namespace rna::ui
