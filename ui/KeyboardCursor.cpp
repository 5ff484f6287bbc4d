#include "ui/KeyboardCursor.h"

#include "ui/BoardSkin.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// Light enough to stand out on the black cells, the grey grid and every ball's edge.
constexpr QRgb FrameColor = qRgb(255, 255, 255);

} // namespace

KeyboardCursor::KeyboardCursor(std::int32_t rows, std::int32_t columns, CellHandler tap,
                               CellHandler repaint)
    : Rows(rows)
    , Columns(columns)
    , Tap(std::move(tap))
    , Repaint(std::move(repaint))
    , Cell{columns / 2, rows / 2} {}

void KeyboardCursor::Draw(QImage& picture, const BoardSkin& skin) const {
    if (!Shown) {
        return;
    }
    QPainter painter(&picture);
    painter.setPen(QColor(FrameColor));
    // A one-pixel pen draws a rectangle one pixel larger than the one given.
    painter.drawRect(ToQRect(skin.CellRect(Cell.Row, Cell.Column)).adjusted(0, 0, -1, -1));
}

bool KeyboardCursor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return OnKey(static_cast<const QKeyEvent&>(*event));
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton) {
        SetShown(false);
    }
    return QObject::eventFilter(watched, event);
}

bool KeyboardCursor::OnKey(const QKeyEvent& key) {
    // Keys held with Ctrl, Alt or Shift belong to the shortcuts and the menus.
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    const bool tap =
        key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const std::optional<CellPoint> destination = Destination(key.key());
    if (!tap && !destination) {
        return false;
    }
    if (!Shown && !QAccessible::isActive()) {
        // The first key only shows where the cursor is.
        SetShown(true);
    } else if (tap) {
        SetShown(true);
        Tap(Cell.Row, Cell.Column);
    } else {
        Repaint(Cell.Row, Cell.Column);
        Cell = *destination;
        Shown = true;
        Repaint(Cell.Row, Cell.Column);
    }
    return true;
}

std::optional<CellPoint> KeyboardCursor::Destination(int key) const {
    std::int32_t row = Cell.Row;
    std::int32_t column = Cell.Column;
    switch (key) {
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        column = 0;
        break;
    case Qt::Key_End:
        column = Columns - 1;
        break;
    case Qt::Key_PageUp:
        row = 0;
        break;
    case Qt::Key_PageDown:
        row = Rows - 1;
        break;
    default:
        return std::nullopt;
    }
    return CellPoint{std::clamp(column, 0, Columns - 1), std::clamp(row, 0, Rows - 1)};
}

void KeyboardCursor::SetShown(bool shown) {
    if (Shown != shown) {
        Shown = shown;
        Repaint(Cell.Row, Cell.Column);
    }
}
