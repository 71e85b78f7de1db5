#include "app/ScreenCalculation.h"

#include "app/THelpForm.h"
#include "ui/FormLoader.h"
#include "ui/TRichView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>

namespace rna::app {

ScreenCalculation::ScreenCalculation() = default;
ScreenCalculation::~ScreenCalculation() = default;

void ScreenCalculation::attachTo(rna::ui::TForm& window, LinesOf lines)
{
    windows_[&window].lines = std::move(lines);
    window.addWindowKey(QKeySequence(Qt::Key_F2), [this, &window](QObject*) { show(window); });
}

QString ScreenCalculation::html(const QStringList& lines)
{
    return QStringLiteral("<pre>") + lines.join(QLatin1Char('\n')).toHtmlEscaped() + QStringLiteral("</pre>");
}

void ScreenCalculation::show(rna::ui::TForm& window)
{
    Shown& shown = windows_[&window];
    if (!shown.form) {
        auto made = std::make_unique<THelpForm>();
        rna::ui::FormLoader::loadFile(*made, QStringLiteral(":/assets/forms/Calculation.json"));
        THelpForm* form = made.get();
        form->addWindowKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [form](QObject*) {
            if (QClipboard* clipboard = QGuiApplication::clipboard())
                clipboard->setText(form->view().toPlainText());
        });
        shown.form = std::move(made);
    }
    shown.text = html(shown.lines ? shown.lines() : QStringList());
    shown.form->showBeside(shown.text, window);
}

void ScreenCalculation::refresh(const rna::ui::TForm& window)
{
    const auto found = windows_.find(&window);
    if (found == windows_.end() || !found->second.form || !found->second.form->isVisible() || !found->second.lines)
        return;
    Shown& shown = found->second;
    QString text = html(shown.lines());
    if (text == shown.text)
        return;
    shown.text = std::move(text);
    shown.form->view().setRichText(shown.text);
}

THelpForm* ScreenCalculation::calculationOf(const rna::ui::TForm& window) const
{
    const auto found = windows_.find(&window);
    return found == windows_.end() ? nullptr : found->second.form.get();
}

}  // namespace rna::app
