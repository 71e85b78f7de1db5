#include "neuron/screens/TForm1.h"

namespace rna::neuron {

TForm1* Form1 = nullptr;

void TForm1::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), this, &TForm1::FormShow);
    table.add(QStringLiteral("BitBtn1Click"), this, &TForm1::BitBtn1Click);
}

void TForm1::FormShow(QObject* /*sender*/)
{
    // The window holds no selection yet, so a new showing has nothing to reset.
}

void TForm1::BitBtn1Click(QObject* /*sender*/)
{
    Form1->Close();
}

}  // namespace rna::neuron
