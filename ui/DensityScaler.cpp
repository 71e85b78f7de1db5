#include "ui/DensityScaler.h"

#include "ui/ContentScale.h"
#include "ui/StandardKinds.h"
#include "ui/TForm.h"
#include "ui/TGraphicControl.h"
#include "ui/TLabel.h"
#include "ui/WidgetLook.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace rna::ui {

namespace {
TFont scaled(TFont font, double dpi)
{
    font.height = int(std::lround(font.height * dpi / DensityScaler::kDesignDpi));
    return font;
}

QRect scaledRect(const QRect& rect, int numerator, int denominator)
{
    return QRect(DensityScaler::mulDiv(rect.x(), numerator, denominator),
                 DensityScaler::mulDiv(rect.y(), numerator, denominator),
                 DensityScaler::mulDiv(rect.width(), numerator, denominator),
                 DensityScaler::mulDiv(rect.height(), numerator, denominator));
}

void scaleFonts(const std::vector<QObject*>& controls, double dpi)
{
    for (QObject* control : controls) {
        if (auto* label = qobject_cast<TLabel*>(control)) {
            if (!label->parentFont())
                label->setTFont(scaled(label->tfont(), dpi));
        } else if (auto* widget = qobject_cast<QWidget*>(control)) {
            if (const std::optional<TFont> font = describedFont(*widget)) {
                setDescribedFont(*widget, scaled(*font, dpi));
                applyFont(*widget, scaled(*font, dpi));
            }
        }
    }
}

void scaleBounds(TForm& form, const std::vector<QObject*>& controls, int numerator, int denominator)
{
    for (QObject* control : controls)
        if (auto* content = dynamic_cast<ContentScale*>(control))
            content->setContentScale(qreal(numerator) / denominator);
    form.setClientSize(DensityScaler::mulDiv(form.clientWidth(), numerator, denominator),
                       DensityScaler::mulDiv(form.clientHeight(), numerator, denominator));
    for (QObject* control : controls) {
        if (auto* label = qobject_cast<TLabel*>(control); label && label->describedBounds().isValid())
            label->setDescribedBounds(scaledRect(label->describedBounds(), numerator, denominator));
        else if (auto* graphic = qobject_cast<TGraphicControl*>(control))
            graphic->setBounds(scaledRect(graphic->boundsRect(), numerator, denominator));
        else if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setGeometry(scaledRect(widget->geometry(), numerator, denominator));
    }
}
}  // namespace

double DensityScaler::screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : kDesignDpi;
}

int DensityScaler::mulDiv(int value, int numerator, int denominator)
{
    const long long product = (long long)value * numerator;
    const long long half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

void DensityScaler::apply(TForm& form, const std::vector<QObject*>& controls, double dpi)
{
    if (dpi <= 0 || std::abs(dpi - kDesignDpi) < 0.5)
        return;
    // Compare with the mapped window font's own height at 96, not with the stored 13 of the original face: the
    // substitute face is 12 pixels high, and against 13 every window would be scaled at 96 already.
    const int designHeight = QFontMetrics(form.tfont().toQFont()).height();
    form.setTFont(scaled(form.tfont(), dpi));
    scaleFonts(controls, dpi);
    const int newHeight = QFontMetrics(form.tfont().toQFont()).height();
    if (newHeight != designHeight && designHeight > 0)
        scaleBounds(form, controls, newHeight, designHeight);
}

}  // namespace rna::ui
