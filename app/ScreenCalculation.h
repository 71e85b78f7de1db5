// F2 of a demonstration window: the calculation of its neurons with its numbers filled in, in a window of its own
// beside it (not modal: the keyboard stays with the screen), kept up to date with every move while it is open.
// Its text is selectable; Ctrl+Shift+C there copies it as plain text.
#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <memory>

namespace rna::ui {
class TForm;
}

namespace rna::app {

class THelpForm;

class ScreenCalculation {
public:
    // The calculation's lines as the window shows them at that moment.
    using LinesOf = std::function<QStringList()>;

    ScreenCalculation();
    ~ScreenCalculation();

    ScreenCalculation(const ScreenCalculation&) = delete;
    ScreenCalculation& operator=(const ScreenCalculation&) = delete;

    // F2 in the window shows its calculation (Escape in the calculation window closes it).
    void attachTo(rna::ui::TForm& window, LinesOf lines);
    // Shows the window's calculation, made on its first use.
    void show(rna::ui::TForm& window);
    // The window's numbers changed: its open calculation is rewritten (a closed one is left alone).
    void refresh(const rna::ui::TForm& window);
    // The calculation window of that window, or null while it was never shown.
    THelpForm* calculationOf(const rna::ui::TForm& window) const;

    // The lines as the calculation window's text.
    static QString html(const QStringList& lines);

private:
    struct Shown {
        LinesOf lines;
        std::unique_ptr<THelpForm> form;
        QString text;  // the text shown, rewritten only when it changes (the selection stays)
    };
    std::map<const rna::ui::TForm*, Shown> windows_;
};

}  // namespace rna::app
