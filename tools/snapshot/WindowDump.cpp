#include "tools/snapshot/WindowDump.h"

#include "chart/axis/TChartAxis.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartSeries.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

namespace rna::tools {

namespace {

QString Number(double value)
{
    return QString::asprintf("%.17g", value);
}

QString AxisRange(const rna::chart::TCustomChartAxis& axis)
{
    return Number(axis.Minimum()) + QLatin1Char(' ') + Number(axis.Maximum());
}

QString Points(const rna::chart::TChartSeries& series)
{
    QStringList points;
    for (int i = 0; i < series.PointCount(); ++i)
        points.append(Number(series.XValueAt(i)) + QLatin1Char(' ') + Number(series.YValueAt(i)));
    return points.join(QLatin1Char(';'));
}

void DumpChart(const rna::chart::TChart& chart, QStringList& lines)
{
    const QString name = chart.objectName();
    lines.append(name + QStringLiteral(".LeftAxis=") + AxisRange(*chart.LeftAxis()));
    lines.append(name + QStringLiteral(".BottomAxis=") + AxisRange(*chart.BottomAxis()));
    for (const rna::chart::TChartSeries* series : chart.SeriesList())
        lines.append(series->objectName() + QLatin1Char('=') + Points(*series));
}

void DumpControl(const QObject& control, QStringList& lines)
{
    const QString name = control.objectName();
    if (const auto* label = qobject_cast<const rna::ui::TLabel*>(&control))
        lines.append(name + QStringLiteral(".Caption=") + label->caption());
    else if (const auto* edit = qobject_cast<const rna::ui::TEdit*>(&control))
        lines.append(name + QStringLiteral(".Text=") + edit->text());
    else if (const auto* slider = qobject_cast<const rna::ui::TTrackBar*>(&control))
        lines.append(name + QStringLiteral(".Position=") + QString::number(slider->position()));
    else if (const auto* list = qobject_cast<const rna::ui::TComboBox*>(&control)) {
        lines.append(name + QStringLiteral(".ItemIndex=") + QString::number(list->itemIndex()));
        lines.append(name + QStringLiteral(".Text=") + list->text());
    } else if (const auto* chart = qobject_cast<const rna::chart::TChart*>(&control))
        DumpChart(*chart, lines);
}

}  // namespace

QStringList DumpWindow(const rna::ui::TForm& window)
{
    // The window owns its controls in creation order (nothing here restacks them); the description's
    // controls are the children registered under their own names.
    QStringList lines;
    for (const QObject* child : window.children())
        if (!child->objectName().isEmpty() && window.findComponent(child->objectName()) == child)
            DumpControl(*child, lines);
    return lines;
}

}  // namespace rna::tools
