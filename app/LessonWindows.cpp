#include "app/LessonWindows.h"

#include "app/LessonMessage.h"
#include "app/ProgramTexts.h"
#include "app/THelpForm.h"
#include "neuron/lesson/LessonFile.h"
#include "neuron/lesson/LessonScreens.h"
#include "ui/AccessibleText.h"
#include "ui/CopyAndSave.h"
#include "ui/FormLoader.h"
#include "ui/Notify.h"
#include "ui/TApplication.h"
#include "ui/TComboBox.h"
#include "ui/TForm.h"
#include "ui/TTrackBar.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QStandardPaths>
#include <stdexcept>

namespace rna::app {

namespace {

using rna::neuron::Lesson;
using rna::neuron::LessonError;
using rna::neuron::LessonScreen;

rna::ui::SaveDialogTexts dialogTexts(LessonWindows::Dialog dialog, const QString& folder)
{
    const bool save = dialog == LessonWindows::Dialog::Save;
    return {ProgramText(save ? "lessonSaveTitle" : "lessonOpenTitle"),
            ProgramText("lessonFilter"),
            ProgramText("saveFileName"),
            ProgramText("saveFileType"),
            ProgramText("saveLookIn"),
            ProgramText(save ? "saveAccept" : "lessonOpenAccept"),
            ProgramText("saveReject"),
            QStringLiteral("rna"),
            folder};
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// The lesson's problem as the user reads it; nothing of any window was changed when this is thrown.
[[noreturn]] void refuse(const LessonError& error)
{
    throw std::runtime_error(LessonMessage(error).toStdString());
}

}  // namespace

LessonWindows::LessonWindows(rna::ui::TApplication& application, Language language)
    : application_(application), language_(language)
{
    chooser_ = [this](rna::ui::TForm& window, Dialog dialog) {
        const auto texts = dialogTexts(dialog, lastFolder_.isEmpty() ? documentsFolder() : lastFolder_);
        return dialog == Dialog::Save ? rna::ui::AskSaveFileName(window, texts)
                                      : rna::ui::AskOpenFileName(window, texts);
    };
}

LessonWindows::~LessonWindows() = default;

void LessonWindows::attachTo(rna::ui::TForm& window)
{
    window.addWindowKey(QKeySequence(Qt::CTRL | Qt::Key_O), [this, &window](QObject*) { openAsked(window); });
    window.setOnFilesDropped([this, &window](QObject*) {
        for (const QString& file : window.droppedFiles())
            open(file);
    });
    if (!rna::neuron::LessonScreenOfWindow(window.name()))
        return;
    window.addWindowKey(QKeySequence(Qt::CTRL | Qt::Key_S), [this, &window](QObject*) { save(window); });
    window.addWindowKey(QKeySequence(Qt::CTRL | Qt::Key_R), [this, &window](QObject*) { reset(window); });
}

void LessonWindows::openAsked(rna::ui::TForm& window)
{
    const QString path = chooser_(window, Dialog::Open);
    if (!path.isEmpty())
        open(path);
}

void LessonWindows::open(const QString& path)
{
    Lesson lesson;
    try {
        lesson = rna::neuron::ReadLessonFile(path);
    } catch (const LessonError& error) {
        refuse(error);
    }
    show(lesson, path);
}

void LessonWindows::show(const Lesson& lesson, const QString& path)
{
    const LessonScreen& screen = *rna::neuron::FindLessonScreen(lesson.screen);
    rna::ui::TForm& window = windowOf(screen);
    Opened& opened = openedOf(window);
    opened.lesson = lesson;
    opened.path = path;
    lastFolder_ = QFileInfo(path).absolutePath();
    // Shown first: showing a window sets its lists back to their first item (its OnShow), after which the lesson's
    // own picks must come.
    window.showForm();
    apply(window, screen, lesson);
    QString name = rna::neuron::LessonText(lesson.title, LanguageCode(language_));
    if (name.isEmpty())
        name = QFileInfo(path).fileName();
    window.setCaption(opened.caption + QStringLiteral(" - ") + name);
    showNote(window, lesson);
}

void LessonWindows::apply(rna::ui::TForm& window, const LessonScreen& screen, const Lesson& lesson)
{
    // Each control as a user's move sets it: the slider's change event, and a pick of the list's item (which
    // always recomputes, even for the item already shown).
    for (const auto& value : screen.values)
        window.control<rna::ui::TTrackBar>(value.control)
            .setPosition(lesson.positions.at(value.name), rna::ui::Notify::Yes);
    for (const auto& function : screen.functions)
        window.control<rna::ui::TComboBox>(function.control).pickAsUser(lesson.functions.at(function.name));
    lock(window, screen, lesson);
}

void LessonWindows::lock(rna::ui::TForm& window, const LessonScreen& screen, const Lesson& lesson)
{
    const auto setLocked = [&](QWidget& control, const QString& name) {
        const bool locked = lesson.isLocked(name);
        control.setEnabled(!locked);
        rna::ui::setAccessibleDescription(control, locked ? ProgramText("lessonLocked") : QString());
    };
    for (const auto& value : screen.values)
        setLocked(window.control<rna::ui::TTrackBar>(value.control), value.name);
    for (const auto& function : screen.functions)
        setLocked(window.control<rna::ui::TComboBox>(function.control), function.name);
}

void LessonWindows::showNote(rna::ui::TForm& window, const Lesson& lesson)
{
    const QString language = LanguageCode(language_);
    const QString title = rna::neuron::LessonText(lesson.title, language);
    const QString text = rna::neuron::LessonText(lesson.text, language);
    std::unique_ptr<THelpForm>& note = notes_[&window];
    if (title.isEmpty() && text.isEmpty()) {
        if (note)
            note->hide();
        return;
    }
    if (!note) {
        auto made = std::make_unique<THelpForm>();
        rna::ui::FormLoader::loadFile(*made, QStringLiteral(":/assets/forms/Help.json"));
        note = std::move(made);
    }
    const QString caption = title.isEmpty() ? ProgramText("lessonNoteCaption") : title;
    note->showPlainBeside(caption, title.isEmpty() ? text : title + QStringLiteral("\n\n") + text, window);
}

void LessonWindows::save(rna::ui::TForm& window)
{
    const QString path = chooser_(window, Dialog::Save);
    if (path.isEmpty())
        return;
    try {
        rna::neuron::SaveLessonFile(path, stateOf(window));
    } catch (const LessonError& error) {
        refuse(error);
    }
    lastFolder_ = QFileInfo(path).absolutePath();
}

void LessonWindows::reset(rna::ui::TForm& window)
{
    const LessonScreen& screen = *rna::neuron::LessonScreenOfWindow(window.name());
    const auto opened = opened_.find(&window);
    window.showForm();
    apply(window, screen, opened != opened_.end() ? opened->second.lesson : rna::neuron::StartingLesson(screen));
}

Lesson LessonWindows::stateOf(const rna::ui::TForm& window) const
{
    const LessonScreen& screen = *rna::neuron::LessonScreenOfWindow(window.name());
    const auto opened = opened_.find(&window);
    Lesson lesson = opened != opened_.end() ? opened->second.lesson : rna::neuron::StartingLesson(screen);
    for (const auto& value : screen.values)
        lesson.positions[value.name] = window.control<rna::ui::TTrackBar>(value.control).position();
    for (const auto& function : screen.functions)
        lesson.functions[function.name] = window.control<rna::ui::TComboBox>(function.control).itemIndex();
    return lesson;
}

THelpForm* LessonWindows::noteOf(const rna::ui::TForm& window) const
{
    const auto found = notes_.find(&window);
    return found == notes_.end() ? nullptr : found->second.get();
}

LessonWindows::FileNameChooser LessonWindows::setFileNameChooser(FileNameChooser chooser)
{
    std::swap(chooser, chooser_);
    return chooser;
}

LessonWindows::Opened& LessonWindows::openedOf(rna::ui::TForm& window)
{
    const auto [entry, made] = opened_.try_emplace(&window);
    if (made)
        entry->second.caption = window.caption();
    return entry->second;
}

rna::ui::TForm& LessonWindows::windowOf(const LessonScreen& screen) const
{
    for (const auto& form : application_.forms())
        if (form->name() == screen.window)
            return *form;
    throw std::logic_error("no window " + screen.window.toStdString());
}

}  // namespace rna::app
