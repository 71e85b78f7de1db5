// F1 help for every window of the program: the window's help file in the program's language, shown in a help
// window of its own beside it (assets/help/<language>/<window>.html).
#pragma once

#include "app/Language.h"

#include <QString>
#include <map>
#include <memory>

namespace rna::ui {
class TForm;
}

namespace rna::app {

class THelpForm;

class ScreenHelp {
public:
    explicit ScreenHelp(Language language);
    ~ScreenHelp();

    ScreenHelp(const ScreenHelp&) = delete;
    ScreenHelp& operator=(const ScreenHelp&) = delete;

    // F1 in the window shows its help; Escape in the window closes its help when it is open.
    void attachTo(rna::ui::TForm& window);
    // Shows the window's help, made on its first use.
    void show(rna::ui::TForm& window);
    // The help window of that window, or null while its help was never shown.
    THelpForm* helpOf(const rna::ui::TForm& window) const;

    // The help text of a window: its file, with each line "<!--include NAME-->" replaced by the file NAME of the
    // same folder (the parts the screens share: the transfer functions, the mouse on a chart, the keys).
    static QString helpText(Language language, const QString& windowName);

private:
    Language language_;
    std::map<const rna::ui::TForm*, std::unique_ptr<THelpForm>> windows_;
};

}  // namespace rna::app
