#include "neuron/screens/TForm3.h"

namespace rna::neuron {

TForm3* Form3 = nullptr;

void TForm3::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), this, &TForm3::FormShow);
    table.add(QStringLiteral("BitBtn1Click"), this, &TForm3::BitBtn1Click);
}

void TForm3::FormShow(QObject* /*sender*/)
{
    // The window holds no selection yet, so a new showing has nothing to reset.
}

void TForm3::BitBtn1Click(QObject* /*sender*/)
{
    Form3->Close();
}

}  // namespace rna::neuron
