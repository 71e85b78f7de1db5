// What assistive technology reads of a chart: a chart named by its visible title (or the name its window
// description gives it), described by the summary its window keeps up to date.
#pragma once

#include <QAccessibleWidget>

namespace rna::chart {

class TCustomChart;

class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(TCustomChart& chart);

    QString text(QAccessible::Text t) const override;

    // Installs the factory that gives every chart this interface, unless the application object has it already.
    static void Install();

private:
    TCustomChart& Chart() const;
};

}  // namespace rna::chart
