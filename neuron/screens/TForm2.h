// The two-input neuron window: its "Inchide" button hides it, its show handler resets it for each showing.
#pragma once

#include "ui/TForm.h"

namespace rna::neuron {

class TForm2 : public rna::ui::TForm {
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
extern TForm2* Form2;

}  // namespace rna::neuron
