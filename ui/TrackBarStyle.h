// The look of one slider: the application's style with the thumb as thick across the channel as ThumbLength.
#pragma once

#include <QProxyStyle>

namespace rna::ui {

class TrackBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    TrackBarStyle();

    int thumbLength() const { return thumbLength_; }
    void setThumbLength(int length) { thumbLength_ = length; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    int thumbLength_ = 20;
};

}  // namespace rna::ui
