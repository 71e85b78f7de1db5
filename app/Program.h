// The program as a whole: the application object with its title and icon, and the four windows created
// from their descriptions. The program and the snapshot tool both start through this class.
#pragma once

#include "app/Language.h"
#include "app/LessonWindows.h"
#include "app/ScreenCalculation.h"
#include "app/ScreenHelp.h"
#include "app/ValueExport.h"
#include "ui/TApplication.h"

#include <QString>
#include <memory>
#include <optional>

class QTranslator;

namespace rna::app {

class Program {
public:
    // Start-up up to the event loop: locale number settings, application title (from programPath) and icon,
    // the language's translations, the chart kinds for the form loader, then Form0 (the main window), Form1,
    // Form2 and Form3, all hidden. A malformed description throws rna::ui::LoadError naming the file and the
    // entry. firstTranslator, if given, is asked for every text before the language's own translations (tools
    // and tests record or check the texts with it); the caller keeps it alive while the program lives.
    explicit Program(const char* programPath, Language language = Language::Romanian,
                     QTranslator* firstTranslator = nullptr);
    // Destroys the windows and the application object; the program-wide window names are cleared first.
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    rna::ui::TApplication& application() const { return *application_; }
    Language language() const { return language_; }
    // F1 help of every window.
    ScreenHelp& help() const { return *help_; }
    // Ctrl+Shift+C and Ctrl+E of the demonstration windows.
    ValueExport& valueExport() const { return *export_; }
    // Lesson files: Ctrl+O and drops on every window, Ctrl+S and Ctrl+R on the demonstration windows.
    LessonWindows& lessons() const { return *lessons_; }
    // F2 of the demonstration windows.
    ScreenCalculation& calculation() const { return *calculation_; }
    // The window of that component name ("Form0" ... "Form3"), or null.
    rna::ui::TForm* findForm(const QString& name) const;

    // Shows the main window and processes events until the main window is closed; returns the exit code. A lesson
    // given here (read from the command line) opens its window once the main window is shown.
    int run();
    void openAtStart(const rna::neuron::Lesson& lesson, const QString& path);

    // Start-up failed (no application object is left): tells the user on the error output and in an
    // error box captioned with the application title.
    static void reportStartupFailure(const char* programPath, const char* message);

private:
    void createForms();
    // F2 on the three demonstration windows, rewritten with each of their moves.
    void attachCalculations();

    std::unique_ptr<rna::ui::TApplication> application_;
    Language language_;
    std::unique_ptr<QTranslator> translator_;
    // Destroyed before the windows whose keys it answers.
    std::unique_ptr<ScreenHelp> help_;
    std::unique_ptr<ValueExport> export_;
    std::unique_ptr<LessonWindows> lessons_;
    std::optional<std::pair<rna::neuron::Lesson, QString>> startLesson_;
    std::unique_ptr<ScreenCalculation> calculation_;
};

}  // namespace rna::app
