#include "tools/snapshot/ErrorBoxes.h"

#include <QMessageBox>
#include <QPainter>
#include <cstdio>

namespace rna::tools {

ErrorBoxes::ErrorBoxes(rna::ui::TApplication& application) : application_(application)
{
    previous_ = application_.setErrorPresenter([this](const QString& caption, const QString& message) {
        std::printf("error=%s\n", message.toUtf8().constData());
        std::fflush(stdout);
        open_ = Box{caption, message};
    });
}

ErrorBoxes::~ErrorBoxes()
{
    application_.setErrorPresenter(std::move(previous_));
}

QImage ErrorBoxes::DrawOpenBoxOver(const QImage& picture) const
{
    if (!open_)
        return picture;
    // The box the program shows: error icon, the message, one OK button; under a plain title bar with the
    // caption, since the windowing system's own frame is not part of a rendered widget.
    QMessageBox box(QMessageBox::Critical, open_->caption, open_->message, QMessageBox::Ok);
    box.show();
    const QImage client = box.grab().toImage();
    box.hide();
    const int titleHeight = box.fontMetrics().height() + 8;
    const QRect frame(0, 0, client.width() + 2, client.height() + titleHeight + 1);

    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&result);
    painter.translate((result.width() - frame.width()) / 2, (result.height() - frame.height()) / 2);
    painter.fillRect(frame, box.palette().color(QPalette::Highlight));
    painter.setPen(box.palette().color(QPalette::HighlightedText));
    painter.setFont(box.font());
    painter.drawText(QRect(6, 0, frame.width() - 12, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, open_->caption);
    painter.drawImage(QPoint(1, titleHeight), client);
    painter.setPen(Qt::black);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    return result;
}

}  // namespace rna::tools
