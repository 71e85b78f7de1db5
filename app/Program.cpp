#include "app/Program.h"

#include "app/ApplicationTitle.h"
#include "app/FirstPaintExit.h"
#include "app/LocaleSettings.h"
#include "app/ScreenCalculation.h"
#include "app/TForm0.h"
#include "chart/loader/ChartRegistration.h"
#include "neuron/screens/Calculation.h"
#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"
#include "ui/EmbeddedImage.h"
#include "ui/TNotifyEvent.h"

#include <QIcon>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

namespace rna::app {

namespace {

const char* const IconPath = ":/assets/icon/MAINICON.png";

QString descriptionPath(const char* formName)
{
    return QStringLiteral(":/assets/forms/%1.json").arg(QLatin1String(formName));
}

void clearProgramWideNames()
{
    Form0 = nullptr;
    rna::neuron::Form1 = nullptr;
    rna::neuron::Form2 = nullptr;
    rna::neuron::Form3 = nullptr;
}

}  // namespace

Program::Program(const char* programPath, Language language, QTranslator* firstTranslator)
    : application_(std::make_unique<rna::ui::TApplication>(programPath)), language_(language),
      translator_(TranslatorFor(language)), help_(std::make_unique<ScreenHelp>(language)),
      export_(std::make_unique<ValueExport>()), lessons_(std::make_unique<LessonWindows>(*application_, language)),
      calculation_(std::make_unique<ScreenCalculation>())
{
    // Before any window loads: the descriptions' texts are translated as they are read. The translator installed
    // last is asked first.
    if (translator_)
        QCoreApplication::installTranslator(translator_.get());
    if (firstTranslator)
        QCoreApplication::installTranslator(firstTranslator);
    ReadLocaleNumberSettings();
    application_->setTitle(QString::fromStdString(ApplicationTitleFromPath(programPath)));
    QApplication::setWindowIcon(rna::ui::ReadEmbeddedIcon(QString::fromLatin1(IconPath)));
    // The descriptions may hold charts: the loader must know their kinds before the first window loads.
    rna::chart::RegisterChartKinds();
    try {
        createForms();
    } catch (...) {
        clearProgramWideNames();
        throw;
    }
    // The system's settings-change announcement re-reads the decimal separator.
    application_->setLocaleChangeHook([] { ReadLocaleNumberSettings(); });
}

Program::~Program()
{
    clearProgramWideNames();
}

// Creation order matters: the first window created becomes the main window.
void Program::createForms()
{
    Form0 = &application_->createForm<TForm0>(descriptionPath("Form0"));
    rna::neuron::Form1 = &application_->createForm<rna::neuron::TForm1>(descriptionPath("Form1"));
    rna::neuron::Form2 = &application_->createForm<rna::neuron::TForm2>(descriptionPath("Form2"));
    rna::neuron::Form3 = &application_->createForm<rna::neuron::TForm3>(descriptionPath("Form3"));
    for (const auto& form : application_->forms()) {
        help_->attachTo(*form);
        lessons_->attachTo(*form);
    }
    export_->attachTo(*rna::neuron::Form1, [form = rna::neuron::Form1] { return form->values(); });
    export_->attachTo(*rna::neuron::Form2, [form = rna::neuron::Form2] { return form->values(); });
    export_->attachTo(*rna::neuron::Form3, [form = rna::neuron::Form3] { return form->values(); });
    attachCalculations();
}

void Program::attachCalculations()
{
    using rna::neuron::NeuronCalculation;
    for (rna::neuron::NeuronForm* form : {static_cast<rna::neuron::NeuronForm*>(rna::neuron::Form1),
                                          static_cast<rna::neuron::NeuronForm*>(rna::neuron::Form2)}) {
        calculation_->attachTo(*form, [form] { return NeuronCalculation(form->values().front()); });
        form->setOnShownChange([this, form] { calculation_->refresh(*form); });
    }
    rna::neuron::TForm3* network = rna::neuron::Form3;
    calculation_->attachTo(*network, [network] {
        return rna::neuron::NetworkCalculation(network->values(), network->model());
    });
    network->setOnShownChange([this, network] { calculation_->refresh(*network); });
}

rna::ui::TForm* Program::findForm(const QString& name) const
{
    for (const auto& form : application_->forms())
        if (form->name() == name)
            return form.get();
    return nullptr;
}

void Program::openAtStart(const rna::neuron::Lesson& lesson, const QString& path)
{
    startLesson_.emplace(lesson, path);
}

int Program::run()
{
    if (rna::ui::TForm* main = application_->mainForm())
        ExitAfterFirstPaintIfAsked(*main);
    if (startLesson_)
        QTimer::singleShot(0, application_.get(), [this] {
            rna::ui::fire([this](QObject*) { lessons_->show(startLesson_->first, startLesson_->second); }, nullptr);
        });
    return application_->run();
}

void Program::reportStartupFailure(const char* programPath, const char* message)
{
    std::fprintf(stderr, "%s\n", message);
    rna::ui::TApplication application(programPath);
    application.setTitle(QString::fromStdString(ApplicationTitleFromPath(programPath)));
    application.showError(QString::fromUtf8(message));
}

}  // namespace rna::app
