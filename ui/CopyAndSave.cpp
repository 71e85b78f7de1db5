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

QString AskSaveFileName(QWidget& parent, const SaveDialogTexts& texts)
{
    // Qt's own dialog, so that its labels can be given in the program's language.
    QFileDialog dialog(&parent, texts.caption, SaveFolder(), texts.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setLabelText(QFileDialog::FileName, texts.fileName);
    dialog.setLabelText(QFileDialog::FileType, texts.fileType);
    dialog.setLabelText(QFileDialog::LookIn, texts.lookIn);
    dialog.setLabelText(QFileDialog::Accept, texts.accept);
    dialog.setLabelText(QFileDialog::Reject, texts.reject);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

}  // namespace rna::ui
