// The main menu window: one button per demonstration window and "Iesire", which ends the program.
#pragma once

#include "ui/TForm.h"

namespace rna::app {

class TForm0 : public rna::ui::TForm {
    Q_OBJECT
public:
    // "Neuronul cu o intrare", "Neuronul cu doua intrari", "Retea neuronala": show their windows.
    void BitBtn1Click(QObject* sender);
    void BitBtn2Click(QObject* sender);
    void BitBtn3Click(QObject* sender);
    // "Iesire": closes the main window, which ends the program.
    void BitBtn4Click(QObject* sender);

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
};

// The program-wide instance, set by start-up while the window exists.
extern TForm0* Form0;

}  // namespace rna::app
