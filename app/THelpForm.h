// The help window of one window of the program: its help text, beside that window, without taking the keyboard
// from it. Escape or "Inchide" closes it.
#pragma once

#include "ui/TForm.h"

namespace rna::ui {
class TRichView;
}

namespace rna::app {

class THelpForm : public rna::ui::TForm {
    Q_OBJECT
public:
    // "Inchide": hides the help window.
    void BitBtn1Click(QObject* sender);

    // Shows the help text (rich text; its <title> becomes the caption) beside `window` the first time, and in
    // front of it without activating it: the keyboard stays with the window the user works in.
    void showBeside(const QString& html, rna::ui::TForm& window);
    // The same for a plain text (a lesson's, from a file): shown as it is, never read as rich text.
    void showPlainBeside(const QString& caption, const QString& text, rna::ui::TForm& window);
    rna::ui::TRichView& view() const { return *RichView1; }

    // Where a help window of that outer size goes beside a window's outer frame on the desktop: right of it where
    // there is room, else left of it, else against the desktop's right edge; top edges level, inside the desktop.
    static QPoint placeBeside(const QRect& desktop, const QRect& windowFrame, const QSize& outerSize);

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
    void afterLoad() override;

private:
    void moveBeside(const rna::ui::TForm& window);
    void appearBeside(rna::ui::TForm& window);

    rna::ui::TRichView* RichView1 = nullptr;
    bool placed_ = false;
};

}  // namespace rna::app
