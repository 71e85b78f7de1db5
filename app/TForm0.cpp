#include "app/TForm0.h"

#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"

namespace rna::app {

TForm0* Form0 = nullptr;

void TForm0::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("BitBtn1Click"), this, &TForm0::BitBtn1Click);
    table.add(QStringLiteral("BitBtn2Click"), this, &TForm0::BitBtn2Click);
    table.add(QStringLiteral("BitBtn3Click"), this, &TForm0::BitBtn3Click);
    table.add(QStringLiteral("BitBtn4Click"), this, &TForm0::BitBtn4Click);
}

// The demonstration windows are modeless: showing one that is already open only brings it to the front.
void TForm0::BitBtn1Click(QObject* /*sender*/)
{
    rna::neuron::Form1->showForm();
}

void TForm0::BitBtn2Click(QObject* /*sender*/)
{
    rna::neuron::Form2->showForm();
}

void TForm0::BitBtn3Click(QObject* /*sender*/)
{
    rna::neuron::Form3->showForm();
}

void TForm0::BitBtn4Click(QObject* /*sender*/)
{
    Form0->closeForm();
}

}  // namespace rna::app
