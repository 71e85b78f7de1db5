// The single-input neuron window: its "Inchide" button hides it, its show handler resets it for each showing.
#pragma once

#include "ui/TForm.h"

namespace rna::neuron {

class TForm1 : public rna::ui::TForm {
    Q_OBJECT
public:
    // Window OnShow.
    void FormShow(QObject* sender);
    // "Inchide": closes the window, which hides it and keeps its state.
    void BitBtn1Click(QObject* sender);

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
};

// The program-wide instance, set by start-up while the window exists.
extern TForm1* Form1;

}  // namespace rna::neuron
