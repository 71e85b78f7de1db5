#include "app/ScreenHelp.h"

#include "app/THelpForm.h"
#include "ui/FormLoader.h"

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <stdexcept>

namespace rna::app {

namespace {

QString readHelpFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the help file " + path.mid(2).toStdString() + " cannot be read");
    return QString::fromUtf8(file.readAll());
}

}  // namespace

ScreenHelp::ScreenHelp(Language language) : language_(language)
{}

ScreenHelp::~ScreenHelp() = default;

void ScreenHelp::attachTo(rna::ui::TForm& window)
{
    window.addWindowKey(QKeySequence(Qt::Key_F1), [this, &window](QObject*) { show(window); });
    window.addWindowKey(QKeySequence(Qt::Key_Escape), [this, &window](QObject*) {
        if (THelpForm* help = helpOf(window); help && help->isVisible())
            help->closeForm();
    });
}

void ScreenHelp::show(rna::ui::TForm& window)
{
    std::unique_ptr<THelpForm>& help = windows_[&window];
    const QString text = helpText(language_, window.name());
    if (!help) {
        auto made = std::make_unique<THelpForm>();
        rna::ui::FormLoader::loadFile(*made, QStringLiteral(":/assets/forms/Help.json"));
        help = std::move(made);
    }
    help->showBeside(text, window);
}

THelpForm* ScreenHelp::helpOf(const rna::ui::TForm& window) const
{
    const auto found = windows_.find(&window);
    return found == windows_.end() ? nullptr : found->second.get();
}

QString ScreenHelp::helpText(Language language, const QString& windowName)
{
    const QString folder = QStringLiteral(":/assets/help/%1/").arg(LanguageCode(language));
    const QString file = readHelpFile(folder + windowName + QStringLiteral(".html"));
    // One level: what an included part holds is taken as it is.
    static const QRegularExpression include(QStringLiteral("<!--include ([A-Za-z0-9_-]+\\.html)-->"));
    QString text;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : include.globalMatch(file)) {
        text += QStringView(file).mid(copied, match.capturedStart() - copied);
        text += readHelpFile(folder + match.captured(1));
        copied = match.capturedEnd();
    }
    text += QStringView(file).mid(copied);
    return text;
}

}  // namespace rna::app
