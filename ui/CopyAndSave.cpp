#include "ui/CopyAndSave.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPixmap>
#include <QStandardPaths>
#include <QWidget>

namespace rna::ui {

QImage WindowPicture(QWidget& window)
{
    // The same rendering the window's paint gives, done now and at the window's device pixel ratio.
    return window.grab().toImage();
}

void PutOnClipboard(const QImage& picture, const QString& text)
{
    auto* item = new QMimeData;
    item->setImageData(picture);
    item->setText(text);
    QGuiApplication::clipboard()->setMimeData(item);  // the clipboard owns the item
}

QString SaveFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

namespace {

// Qt's own dialog, so that its labels can be given in the program's language.
QString askFileName(QWidget& parent, const SaveDialogTexts& texts, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(&parent, texts.caption, texts.folder.isEmpty() ? SaveFolder() : texts.folder, texts.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (mode == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(texts.suffix);
    dialog.setLabelText(QFileDialog::FileName, texts.fileName);
    dialog.setLabelText(QFileDialog::FileType, texts.fileType);
    dialog.setLabelText(QFileDialog::LookIn, texts.lookIn);
    dialog.setLabelText(QFileDialog::Accept, texts.accept);
    dialog.setLabelText(QFileDialog::Reject, texts.reject);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

}  // namespace

QString AskSaveFileName(QWidget& parent, const SaveDialogTexts& texts)
{
    return askFileName(parent, texts, QFileDialog::AcceptSave);
}

QString AskOpenFileName(QWidget& parent, const SaveDialogTexts& texts)
{
    return askFileName(parent, texts, QFileDialog::AcceptOpen);
}

}  // namespace rna::ui
