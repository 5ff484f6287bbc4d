#include "ui/ClientArea.h"

#include "ui/AccessibleBoard.h"
#include "ui/ScreenScale.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

ClientArea::ClientArea(Composer composer, QWidget* parent)
    : QWidget(parent)
    , Compose(std::move(composer))
    , BackBuffer(ScreenScale::ClientSize, QImage::Format_RGB32) {
    // Every pixel is painted by paintEvent; letting Qt erase first would only cost time.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The keyboard plays on the board, so the board takes the keys.
    setFocusPolicy(Qt::StrongFocus);
    // Qt asks the factory only once an assistive technology asks for the window's objects.
    [[maybe_unused]] static const bool AccessibleFactoryInstalled =
        (QAccessible::installFactory(&AccessibleBoard::Create), true);
}

int ClientArea::Scale() const {
    return ScreenScale::FittingScale(size());
}

void ClientArea::SetPreferredScale(int scale) {
    PreferredScale = std::max(1, scale);
    updateGeometry();
}

void ClientArea::Invalidate(const QRect& clientRect) {
    update(AreaRect(clientRect));
}

QRect ClientArea::AreaRect(const QRect& clientRect) const {
    return ScreenScale::ToArea(clientRect, PictureRect(), Scale());
}

void ClientArea::InvalidateAll() {
    update();
}

QSize ClientArea::sizeHint() const {
    return ScreenScale::ClientSize * PreferredScale;
}

QSize ClientArea::minimumSizeHint() const {
    return ScreenScale::ClientSize;
}

void ClientArea::paintEvent(QPaintEvent* event) {
    Compose(BackBuffer);
    const QRect picture = PictureRect();
    QPainter painter(this);
    // No smoothing: the picture is enlarged by whole numbers, pixel by pixel.
    painter.drawImage(picture, BackBuffer);
    for (const QRect& margin : event->region().subtracted(picture)) {
        painter.fillRect(margin, palette().window());
    }
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    // A tap acts when the stylus is lifted.
    event->accept();
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    emit Tapped(ScreenScale::ToClient(event->position().toPoint(), PictureRect(), Scale()));
}

QRect ClientArea::PictureRect() const {
    return ScreenScale::PictureRect(size(), Scale());
}
