#pragma once

#include "engine/GameBoard.h"

#include <QImage>
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

class BoardSkin;
class QKeyEvent;

// The keyboard's way to play: a cursor over the board's cells that the arrow keys, Home, End,
// Page Up and Page Down move and that Space or Enter taps with. It shows only once such a key is
// used and hides at the next mouse tap, so that a player who uses the mouse never sees it. With a
// screen reader running the first key acts at once: the reader has told where the cursor is.
// Installed as an event filter on the widget that shows the board.
class KeyboardCursor : public QObject {
    Q_OBJECT

public:
    using CellHandler = std::function<void(std::int32_t row, std::int32_t column)>;

    // `tap` acts on a cell exactly as a stylus tap on it; `repaint` marks a cell that the cursor
    // entered or left. The cursor starts hidden in the middle of the board.
    KeyboardCursor(std::int32_t rows, std::int32_t columns, CellHandler tap, CellHandler repaint);

    // Draws the cursor, when shown, as a thin frame over its cell of the composed picture. Only
    // the frame's pixels change.
    void Draw(QImage& picture, const BoardSkin& skin) const;

    // The cell under the cursor while it shows.
    std::optional<CellPoint> ShownCell() const {
        return Shown ? std::optional(Cell) : std::nullopt;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the key is one of the cursor's; a hidden cursor only shows itself.
    bool OnKey(const QKeyEvent& key);
    // Where a movement key takes the cursor, kept on the board; nothing for other keys.
    std::optional<CellPoint> Destination(int key) const;
    void SetShown(bool shown);

    std::int32_t Rows;
    std::int32_t Columns;
    CellHandler Tap;
    CellHandler Repaint;
    CellPoint Cell;
    bool Shown = false;
};
