#include "chart/panel/ChartAccessible.h"

#include "chart/panel/TCustomChart.h"

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
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    TChartTitle& title = Chart().Title();
    return title.Visible() ? title.Text().join(QLatin1Char(' ')) : QString();
}

void ChartAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CreateInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace rna::chart
