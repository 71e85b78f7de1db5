// Multi-line text: keeps Enter (a read-only memo does nothing with it), Tab moves the focus, wraps at its width.
#pragma once

#include "ui/TColor.h"
#include "ui/TFont.h"
#include "ui/TNotifyEvent.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace rna::ui {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList& lines);
    QString text() const { return toPlainText(); }

    bool readOnly() const { return isReadOnly(); }
    void setReadOnlyMemo(bool on);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    void setScrollBars(TScrollStyle style);
    bool wantReturns() const { return wantReturns_; }
    void setWantReturns(bool on) { wantReturns_ = on; }
    void setColor(TColor color);
    void setTFont(const TFont& font);

    void setOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    TNotifyEvent onChange_;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
};

}  // namespace rna::ui
