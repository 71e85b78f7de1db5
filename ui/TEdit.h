// Single-line edit box: OnChange once per different text written from code and after every user change,
// caret at the start after a write; Enter goes on to the window's default button.
#pragma once

#include "ui/Notify.h"
#include "ui/TColor.h"
#include "ui/TFont.h"
#include "ui/TNotifyEvent.h"

#include <QLineEdit>

namespace rna::ui {

enum class TEditBorderStyle { bsNone, bsSingle };

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

    QString text() const { return QLineEdit::text(); }
    // Equal text: nothing. Otherwise replaces it, caret at the start, and fires OnChange.
    void setText(const QString& text, Notify notify = Notify::Yes);

    TEditBorderStyle borderStyle() const { return hasFrame() ? TEditBorderStyle::bsSingle : TEditBorderStyle::bsNone; }
    void setBorderStyle(TEditBorderStyle style);
    TColor color() const { return color_; }
    void setColor(TColor color);
    void setTFont(const TFont& font);
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }

    void setOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void textChangedByAnyone(const QString& text);
    void coverWindowBeneath();
    bool panelIsOpaque() const;

    TNotifyEvent onChange_;
    QString lastText_;
    TColor color_ = clWindow;
    TColor fontColor_ = clWindowText;
    bool autoSelect_ = true;
};

}  // namespace rna::ui
