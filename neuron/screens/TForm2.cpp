#include "neuron/screens/TForm2.h"

namespace rna::neuron {

TForm2* Form2 = nullptr;

void TForm2::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), this, &TForm2::FormShow);
    table.add(QStringLiteral("BitBtn1Click"), this, &TForm2::BitBtn1Click);
}

void TForm2::FormShow(QObject* /*sender*/)
{
    // The window holds no selection yet, so a new showing has nothing to reset.
}

void TForm2::BitBtn1Click(QObject* /*sender*/)
{
    Form2->Close();
}

}  // namespace rna::neuron
