// Stands in for the program's error message box while a script runs: each error is printed where it happens,
// and the box still open at the end (the last action's) can be drawn over the picture as the user sees it.
#pragma once

#include "ui/TApplication.h"

#include <QImage>
#include <QString>
#include <optional>

namespace rna::tools {

class ErrorBoxes {
public:
    // Takes the application's error presentation over for this object's lifetime.
    explicit ErrorBoxes(rna::ui::TApplication& application);
    ~ErrorBoxes();

    ErrorBoxes(const ErrorBoxes&) = delete;
    ErrorBoxes& operator=(const ErrorBoxes&) = delete;

    // The user confirms the open box (before the next action).
    void Dismiss() { open_.reset(); }
    // The picture with the open box, if any, centred over it.
    QImage DrawOpenBoxOver(const QImage& picture) const;

private:
    struct Box {
        QString caption;
        QString message;
    };

    rna::ui::TApplication& application_;
    rna::ui::TApplication::ErrorPresenter previous_;
    std::optional<Box> open_;
};

}  // namespace rna::tools
