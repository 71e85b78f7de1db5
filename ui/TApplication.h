// The application object: Qt application without user arguments, fixed style, forms in creation order,
// the dispatch point that shows an error box for an exception leaving a handler or any event (paint
// included; see also fire()), the locale hook.
#pragma once

#include "ui/FormLoader.h"

#include <QApplication>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rna::ui {

class TForm;

namespace detail {
// Keeps the argument vector alive for QApplication, which holds references to it.
struct ProgramArguments {
    explicit ProgramArguments(const char* programPath);
    int argc = 1;
    std::string path;
    char* argv[2] = {nullptr, nullptr};
};
}  // namespace detail

// Not a Q_OBJECT: the argument holder must come first among the bases.
class TApplication : private detail::ProgramArguments, public QApplication {
public:
    // Presents an error: caption (the application title) and message text.
    using ErrorPresenter = std::function<void(const QString& caption, const QString& message)>;

    // Only the program path reaches Qt: the program reads no command line.
    explicit TApplication(const char* programPath);
    ~TApplication() override;

    // The running application object, or null when the QApplication is not ours.
    static TApplication* current();

    QString title() const { return title_; }
    void setTitle(const QString& title);

    // Creates a window of class F, loads its description, and keeps it for the program's life.
    // The first window created is the main window.
    template <class F>
    F& createForm(const QString& descriptionPath, const LoadOptions& options = {})
    {
        auto form = std::make_unique<F>();
        F& result = *form;
        FormLoader::loadFile(result, descriptionPath, options);
        adoptForm(std::move(form));
        return result;
    }
    void adoptForm(std::unique_ptr<TForm> form);
    TForm* mainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
    const std::vector<std::unique_ptr<TForm>>& forms() const { return forms_; }

    // Shows the main window and processes events until termination; returns the exit code.
    int run();
    // Ends the event loop once control returns to it.
    void terminate();
    bool terminated() const { return terminated_; }

    // The presenter the application starts with: Qt's message box with an error icon and an OK button.
    static void showMessageBox(const QString& caption, const QString& message);
    // The message box is replaced, e.g. by a recorder in tests; returns the previous presenter.
    ErrorPresenter setErrorPresenter(ErrorPresenter presenter);
    // Shows an error the way the dispatch point does. A mouse action in progress ends first (see MouseAction).
    void showError(const QString& message);
    // The dispatch point's catch: shows the message of the exception in the error box.
    void presentException(const std::exception_ptr& error);
    // The message as shown: "." appended when its last character sorts after ".".
    static QString errorText(const QString& message);

    // One callback for the system's settings-change announcement (the decimal separator is re-read there).
    void setLocaleChangeHook(std::function<void()> hook) { localeHook_ = std::move(hook); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    ErrorPresenter presenter_;
    std::function<void()> localeHook_;
    bool terminated_ = false;
    bool endingMouseAction_ = false;
};

}  // namespace rna::ui
