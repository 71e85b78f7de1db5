#include "ui/TApplication.h"

#include "ui/EmbeddedFonts.h"
#include "ui/MouseAction.h"
#include "ui/TForm.h"

#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <exception>

namespace rna::ui {

namespace detail {
ProgramArguments::ProgramArguments(const char* programPath) : path(programPath ? programPath : "")
{
    argv[0] = path.data();
}
}  // namespace detail

TApplication::TApplication(const char* programPath)
    : detail::ProgramArguments(programPath), QApplication(argc, argv), presenter_(&TApplication::showMessageBox)
{
    // One fixed look, whatever the desktop's style.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setPalette(style()->standardPalette());
    // The windows' and charts' faces come with the program, so texts measure the same on every platform.
    registerEmbeddedFonts();
    // Windows other than the main one are hidden, never closed; the main window ends the program itself.
    setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication()
{
    forms_.clear();
}

TApplication* TApplication::current()
{
    return dynamic_cast<TApplication*>(QCoreApplication::instance());
}

void TApplication::setTitle(const QString& title)
{
    title_ = title;
    // The application name names the program to the desktop (task bar grouping). The display name is
    // left alone: the platform would append it to every window caption, and captions are the windows' own.
    setApplicationName(title);
}

void TApplication::adoptForm(std::unique_ptr<TForm> form)
{
    forms_.push_back(std::move(form));
}

int TApplication::run()
{
    terminated_ = false;
    // Always a normal showing: a launcher's request to start maximised or minimised without activation has no
    // counterpart on Linux desktops.
    if (TForm* main = mainForm())
        main->showForm();
    if (terminated_)
        return 0;
    return exec();
}

void TApplication::terminate()
{
    terminated_ = true;
    exit(0);
}

void TApplication::showMessageBox(const QString& caption, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, caption, message, QMessageBox::Ok);
    box.exec();
}

TApplication::ErrorPresenter TApplication::setErrorPresenter(ErrorPresenter presenter)
{
    std::swap(presenter, presenter_);
    return presenter;
}

QString TApplication::errorText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void TApplication::showError(const QString& message)
{
    if (endingMouseAction_)
        return;  // raised by the end of the action that this report is cutting short: part of the same failure
    // A held mouse button must not act on behind the box (a slider channel would repeat, and fail, again and
    // again), and the box would swallow its release: the action ends here, with its release notification.
    endingMouseAction_ = true;
    try {
        MouseAction::endNow();
    } catch (...) {
        // The failure being reported here, raised once more by the action's end: one failure, one box.
    }
    endingMouseAction_ = false;
    if (presenter_)
        presenter_(title_, errorText(message));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    // Every event, paint included, passes here: an exception leaving a handler is shown and the program goes on.
    try {
        if (event->type() == QEvent::LocaleChange && receiver == this && localeHook_)
            localeHook_();
        return QApplication::notify(receiver, event);
    } catch (...) {
        presentException(std::current_exception());
    }
    return true;
}

void TApplication::presentException(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& exception) {
        showError(QString::fromUtf8(exception.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown error"));
    }
}

}  // namespace rna::ui
