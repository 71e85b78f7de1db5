#include "chart/panel/ChartAccessible.h"

#include "chart/panel/TCustomChart.h"
#include "ui/AccessibleText.h"

namespace rna::chart {

namespace {

QAccessibleInterface* CreateInterface(const QString& /*className*/, QObject* object)
{
    if (auto* chart = qobject_cast<TCustomChart*>(object))
        return new ChartAccessible(*chart);
    return nullptr;
}

}  // namespace

ChartAccessible::ChartAccessible(TCustomChart& chart) : QAccessibleWidget(&chart, QAccessible::Chart)
{}

TCustomChart& ChartAccessible::Chart() const
{
    return static_cast<TCustomChart&>(*widget());
}

QString ChartAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description)
        ui::settleAccessibleDescription(*widget());
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    TChartTitle& title = Chart().Title();
    return title.Visible() ? title.Text().join(QLatin1Char(' ')) : QString();
}

void ChartAccessible::Install()
{
    // Qt keeps a factory once, and forgets its factories with the application object that knew them.
    QAccessible::installFactory(&CreateInterface);
}

}  // namespace rna::chart
