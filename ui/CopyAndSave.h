// What the windowing system offers for handing a window's contents to other programs: the window's picture,
// the clipboard, and the dialog that asks where to save.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace rna::ui {

// The window's client area as it is shown now, at its screen's device pixel ratio (the image carries the ratio).
QImage WindowPicture(QWidget& window);

// Puts one clipboard item holding both the picture and the text: a program takes the form it can use.
void PutOnClipboard(const QImage& picture, const QString& text);

// The texts of the save and open dialogs, in the program's language, and where they start.
struct SaveDialogTexts {
    QString caption;
    QString filter;  // e.g. "PNG picture (*.png)"
    QString fileName;
    QString fileType;
    QString lookIn;
    QString accept;
    QString reject;
    QString suffix = QStringLiteral("png");  // added to a name saved without one
    QString folder = {};  // where the dialog opens; empty: SaveFolder()
};

// Where the save dialog opens: the desktop's pictures folder when there is one, the home folder otherwise (a
// folder that does not exist would be offered as the file's name).
QString SaveFolder();

// Asks the user for the file to save to (modal to `parent`, "png" added to a name without a suffix, replacing an
// existing file confirmed). Empty when the user cancels.
QString AskSaveFileName(QWidget& parent, const SaveDialogTexts& texts);
// Asks the user for an existing file to open (modal to `parent`). Empty when the user cancels.
QString AskOpenFileName(QWidget& parent, const SaveDialogTexts& texts);

}  // namespace rna::ui
