#include "ui/GameNarrator.h"

#include "platform/StringTable.h"
#include "resources/ResourceIds.h"
#include "ui/AccessibleBoard.h"
#include "ui/BoardWords.h"
#include "ui/ClientArea.h"
#include "ui/GameContext.h"
#include "ui/KeyboardCursor.h"

#include <QAccessible>
#include <QKeyEvent>

GameNarrator::GameNarrator(ClientArea& area, const std::unique_ptr<GameBoard>& board,
                           const std::unique_ptr<GameContext>& context,
                           const KeyboardCursor& cursor)
    : Area(area)
    , GameBoardOf(board)
    , Context(context)
    , Cursor(cursor) {
    Area.installEventFilter(this);
}

std::optional<CellPoint> GameNarrator::Focus() const {
    return Cursor.ShownCell();
}

void GameNarrator::NewGame() {
    // What the old game had still to say is of no use in the new one.
    Pending.clear();
    ToldScore = 0;
    BoardChanged();
}

void GameNarrator::Picked() {
    if (QAccessible::isActive()) {
        Collect(tr("%1 picked").arg(BoardWords::BallAt(*GameBoardOf, GameBoardOf->Selection)));
    }
}

void GameNarrator::NoPath() {
    if (QAccessible::isActive()) {
        Collect(tr("No free path there"));
    }
}

void GameNarrator::Arrived(CellPoint target) {
    if (QAccessible::isActive()) {
        Collect(tr("%1 arrives at %2")
                    .arg(BoardWords::BallAt(*GameBoardOf, target), BoardWords::Place(target)));
    }
}

void GameNarrator::FiguresMarked() {
    if (QAccessible::isActive()) {
        const std::int32_t score = GameBoardOf->Score;
        Collect(tr("Figure removed, %1 points, score %2").arg(score - ToldScore).arg(score));
        ToldScore = score;
    }
}

void GameNarrator::BallsAppearing() {
    if (!QAccessible::isActive()) {
        return;
    }
    // The board marks the balls it has just placed until they are revealed.
    const GameBoard& board = *GameBoardOf;
    QStringList balls;
    for (std::int32_t index = 0; index < board.Rows * board.Columns; ++index) {
        const std::int32_t value = board.Cells[static_cast<std::size_t>(index)];
        if (value < 0) {
            const CellPoint cell{index % board.Columns, index / board.Columns};
            balls << tr("%1 at %2").arg(BoardWords::Ball(value), BoardWords::Place(cell));
        }
    }
    Collect(tr("New balls: %1").arg(balls.join(QStringLiteral("; "))));
}

void GameNarrator::NextBallsChanged() {
    if (QAccessible::isActive() && Context->Settings.GetShowNext() != 0) {
        Collect(NextBallsText());
    }
}

void GameNarrator::GameOver() {
    if (QAccessible::isActive()) {
        Collect(tr("Game over, score %1").arg(GameBoardOf->Score));
        Flush();
    }
}

void GameNarrator::BoardChanged() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&Area);
    static_cast<AccessibleBoard*>(board)->UpdateNames();
    if (Area.hasFocus() && Focus() != ToldFocus) {
        ToldFocus = Focus();
        QAccessibleEvent focus(board->focusChild(), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void GameNarrator::Flush() {
    if (Pending.isEmpty()) {
        return;
    }
    LastSaid = Pending.join(QStringLiteral(". "));
    Pending.clear();
    auto* board = static_cast<AccessibleBoard*>(QAccessible::queryAccessibleInterface(&Area));
    QAccessibleEvent shown(board->Notice(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

bool GameNarrator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && QAccessible::isActive() && Context) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.modifiers() == Qt::NoModifier &&
            (key.key() == Qt::Key_S || key.key() == Qt::Key_N)) {
            Collect(key.key() == Qt::Key_S ? ScoreText() : NextBallsText());
            Flush();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GameNarrator::Collect(const QString& phrase) {
    Pending << phrase;
}

QString GameNarrator::StatusText() const {
    return ScoreText() + QStringLiteral(". ") + NextBallsText();
}

QString GameNarrator::ScoreText() const {
    const std::int32_t type = Context->CurrentType;
    const QString game = type >= 0 && type < GameTypeCount
                             ? LoadResourceString(static_cast<unsigned>(LinesString + type))
                             : QString();
    return tr("%1, score %2").arg(game).arg(GameBoardOf->Score);
}

QString GameNarrator::NextBallsText() const {
    if (Context->Settings.GetShowNext() == 0) {
        return tr("The next balls are hidden");
    }
    QStringList colours;
    for (const std::int32_t ball : GameBoardOf->NextBalls) {
        colours << BoardWords::Colour(ball);
    }
    return tr("Next balls: %1").arg(colours.join(QStringLiteral(", ")));
}
