#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class GameNarrator;

// The window's client area: shows the 240 × 270 game picture at the largest whole scale that
// fits, and turns left-button releases into taps in picture coordinates.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    using Composer = std::function<void(QImage& backBuffer)>;

    ClientArea(Composer composer, QWidget* parent = nullptr);

    int Scale() const;
    // The scale the area asks its window for.
    void SetPreferredScale(int scale);

    // Marks a rectangle of the picture for repainting.
    void Invalidate(const QRect& clientRect);
    // Marks the whole area for repainting.
    void InvalidateAll();
    // Where a rectangle of the picture lies in the area.
    QRect AreaRect(const QRect& clientRect) const;

    // What the board's accessible objects read and say; not owned.
    void SetNarrator(const GameNarrator* narrator) { BoardNarrator = narrator; }
    const GameNarrator* Narrator() const { return BoardNarrator; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Tapped(QPoint clientPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect PictureRect() const;

    Composer Compose;
    QImage BackBuffer;
    int PreferredScale = 1;
    const GameNarrator* BoardNarrator = nullptr;
};
