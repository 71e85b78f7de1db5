// Lessons in the windows: Ctrl+O opens a lesson file (in any window, and a file dropped on any window), Ctrl+S
// saves a demonstration window's state as one, Ctrl+R sets it back to the lesson it came from (or to its starting
// values). A lesson is set on its window as the user would set it: each slider and list through the controls'
// own setters, which run the screen's handlers; its title and text are shown in a note beside the window.
#pragma once

#include "app/Language.h"
#include "neuron/lesson/Lesson.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace rna::ui {
class TApplication;
class TForm;
}  // namespace rna::ui
namespace rna::neuron {
struct LessonScreen;
}

namespace rna::app {

class THelpForm;

class LessonWindows {
public:
    enum class Dialog { Open, Save };
    // Asks for the file to open or to save to; empty: the user cancelled.
    using FileNameChooser = std::function<QString(rna::ui::TForm& window, Dialog dialog)>;

    LessonWindows(rna::ui::TApplication& application, Language language);
    ~LessonWindows();

    LessonWindows(const LessonWindows&) = delete;
    LessonWindows& operator=(const LessonWindows&) = delete;

    // Ctrl+O and drops on any window; Ctrl+S and Ctrl+R on a demonstration window.
    void attachTo(rna::ui::TForm& window);

    // Reads the file and sets its window; a file that cannot be read or is no valid lesson changes nothing and
    // throws std::runtime_error with the user's message.
    void open(const QString& path);
    // Shows the lesson's window and sets it to the lesson (read from `path`).
    void show(const rna::neuron::Lesson& lesson, const QString& path);
    // Asks for the file and saves the window's state there; a failed write throws the user's message.
    void save(rna::ui::TForm& window);
    // Back to the lesson the window was opened from, or to its starting values.
    void reset(rna::ui::TForm& window);

    // What the window shows now, as a lesson (keeping the texts, locks and unknown members of the one it came from).
    rna::neuron::Lesson stateOf(const rna::ui::TForm& window) const;
    // The note window of that window, or null while no lesson text was shown for it.
    THelpForm* noteOf(const rna::ui::TForm& window) const;

    // The file dialogs are replaced, e.g. by fixed answers in tests; returns the previous chooser.
    FileNameChooser setFileNameChooser(FileNameChooser chooser);

private:
    struct Opened {
        rna::neuron::Lesson lesson;
        QString path;
        QString caption;  // the window's own caption, before any lesson's
    };

    void openAsked(rna::ui::TForm& window);
    void apply(rna::ui::TForm& window, const rna::neuron::LessonScreen& screen, const rna::neuron::Lesson& lesson);
    void lock(rna::ui::TForm& window, const rna::neuron::LessonScreen& screen, const rna::neuron::Lesson& lesson);
    void showNote(rna::ui::TForm& window, const rna::neuron::Lesson& lesson);
    Opened& openedOf(rna::ui::TForm& window);
    rna::ui::TForm& windowOf(const rna::neuron::LessonScreen& screen) const;

    rna::ui::TApplication& application_;
    Language language_;
    FileNameChooser chooser_;
    QString lastFolder_;
    std::map<const rna::ui::TForm*, Opened> opened_;
    std::map<const rna::ui::TForm*, std::unique_ptr<THelpForm>> notes_;
};

}  // namespace rna::app
