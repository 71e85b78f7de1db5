#include "app/ValueExport.h"

#include "app/ProgramTexts.h"
#include "app/ValueSheet.h"
#include "neuron/model/NumericModel.h"
#include "ui/CopyAndSave.h"
#include "ui/TForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QSaveFile>
#include <stdexcept>

namespace rna::app {

namespace {

QString askFileName(rna::ui::TForm& window)
{
    return rna::ui::AskSaveFileName(window,
                                    {ProgramText("saveTitle"), ProgramText("saveFilter"), ProgramText("saveFileName"),
                                     ProgramText("saveFileType"), ProgramText("saveLookIn"), ProgramText("saveAccept"),
                                     ProgramText("saveReject"), QStringLiteral("png"), QString()});
}

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw std::runtime_error(ProgramText("cannotWrite").arg(path, reason).toStdString());
}

// Moves a file out of the way under a free name beside it; empty when there is no such file.
QString setAside(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    QString aside;
    for (int i = 0; aside.isEmpty() || QFileInfo::exists(aside); ++i)
        aside = path + QStringLiteral(".%1.old").arg(i);
    QFile file(path);
    if (!file.rename(aside))
        cannotWrite(path, file.errorString());
    return aside;
}

void putBack(const QString& aside, const QString& path)
{
    if (!aside.isEmpty())
        QFile::rename(aside, path);
}

SheetRow csvHeader()
{
    return {ProgramText("copySaveNeuron"), ProgramText("copySaveName"), ProgramText("copySaveValue")};
}

}  // namespace

ValueExport::ValueExport() : chooser_(askFileName)
{}

void ValueExport::attachTo(rna::ui::TForm& window, ValuesOf values)
{
    window.addWindowKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                        [&window, values](QObject*) { copy(window, values()); });
    window.addWindowKey(QKeySequence(Qt::CTRL | Qt::Key_E),
                        [this, &window, values](QObject*) { save(window, values()); });
}

void ValueExport::copy(rna::ui::TForm& window, const rna::neuron::ScreenValues& values)
{
    rna::ui::PutOnClipboard(rna::ui::WindowPicture(window), ClipboardText(SheetRows(values)));
}

void ValueExport::save(rna::ui::TForm& window, const rna::neuron::ScreenValues& values) const
{
    // The picture as the window shows it when the key was pressed: once the dialog has closed, the window may
    // not have its activation (and its focus ring) back yet.
    const QImage picture = rna::ui::WindowPicture(window);
    const QString path = chooser_(window);
    if (path.isEmpty())
        return;
    writeFiles(path, picture, CsvText(SheetRows(values), csvHeader(), rna::neuron::DecimalSeparator()));
}

ValueExport::FileNameChooser ValueExport::setFileNameChooser(FileNameChooser chooser)
{
    std::swap(chooser, chooser_);
    return chooser;
}

QString ValueExport::csvPathFor(const QString& pngPath)
{
    const QFileInfo png(pngPath);
    const QString base = png.suffix().isEmpty() ? png.fileName() : png.completeBaseName();
    return png.dir().filePath(base + QStringLiteral(".csv"));
}

void ValueExport::writeFiles(const QString& pngPath, const QImage& picture, const QByteArray& csv)
{
    const QString csvPath = csvPathFor(pngPath);
    QSaveFile pngFile(pngPath);
    QSaveFile csvFile(csvPath);
    if (!pngFile.open(QIODevice::WriteOnly) || !picture.save(&pngFile, "PNG"))
        cannotWrite(pngPath, pngFile.errorString());
    if (!csvFile.open(QIODevice::WriteOnly) || csvFile.write(csv) != csv.size() || !csvFile.flush())
        cannotWrite(csvPath, csvFile.errorString());
    // Both are written in full: only the renames are left. A picture saved earlier under that name is set aside
    // until the values are in place too, so that a rename that fails gives it back as it was.
    const QString earlier = setAside(pngPath);
    if (!pngFile.commit()) {
        putBack(earlier, pngPath);
        cannotWrite(pngPath, pngFile.errorString());
    }
    if (!csvFile.commit()) {
        QFile::remove(pngPath);
        putBack(earlier, pngPath);
        cannotWrite(csvPath, csvFile.errorString());
    }
    if (!earlier.isEmpty())
        QFile::remove(earlier);
}

}  // namespace rna::app
