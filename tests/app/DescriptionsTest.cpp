// Every window description embedded in the program loads into the window class it names.
#include "ProgramUnderTest.h"

#include "app/THelpForm.h"
#include "neuron/model/TransferFunctionTable.h"
#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"
#include "ui/FormLoader.h"
#include "ui/TComboBox.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <map>
#include <memory>

namespace rna::app::test {
namespace {

using FormFactory = std::function<std::unique_ptr<rna::ui::TForm>()>;

template <class F>
FormFactory factory()
{
    return [] { return std::make_unique<F>(); };
}

QString classNamed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("class")).toString();
}

TEST(Descriptions, EveryEmbeddedDescriptionLoadsIntoItsWindowClass)
{
    const std::map<QString, FormFactory> classes{
        {QStringLiteral("TForm0"), factory<TForm0>()},
        {QStringLiteral("TForm1"), factory<rna::neuron::TForm1>()},
        {QStringLiteral("TForm2"), factory<rna::neuron::TForm2>()},
        {QStringLiteral("TForm3"), factory<rna::neuron::TForm3>()},
        {QStringLiteral("THelpForm"), factory<THelpForm>()},
    };
    // A started program: the loader knows every control kind, the charts' included.
    Program program(ProgramPath);
    int loaded = 0;
    // Window descriptions live under forms/; other JSON assets (command-line texts) are not windows.
    QDirIterator it(QStringLiteral(":/assets/forms"), {QStringLiteral("*.json")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        const auto found = classes.find(classNamed(path));
        ASSERT_NE(found, classes.end()) << "a description of a window class this test does not know";
        const std::unique_ptr<rna::ui::TForm> form = found->second();
        try {
            rna::ui::FormLoader::loadFile(*form, path);
            ++loaded;
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
    }
    EXPECT_GE(loaded, 5);
}

// Every drop-down list of the program chooses a transfer function: its items are the table's names, in order.
TEST(Descriptions, EveryListHoldsTheTransferFunctionsOfTheTable)
{
    QStringList names;
    for (const rna::neuron::TransferFunction& function : rna::neuron::TransferFunctions)
        names.append(QString::fromUtf8(function.name.data(), qsizetype(function.name.size())));
    Program program(ProgramPath);
    int lists = 0;
    for (const auto& form : program.application().forms())
        for (const rna::ui::TComboBox* list : form->findChildren<rna::ui::TComboBox*>()) {
            SCOPED_TRACE((form->name() + QLatin1Char(' ') + list->objectName()).toStdString());
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items.append(list->itemText(i));
            EXPECT_EQ(items, names);
            ++lists;
        }
    EXPECT_EQ(lists, 5);
}

}  // namespace
}  // namespace rna::app::test
