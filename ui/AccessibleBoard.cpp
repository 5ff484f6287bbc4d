#include "ui/AccessibleBoard.h"

#include "ui/BoardWords.h"
#include "ui/ClientArea.h"
#include "ui/GameNarrator.h"
#include "ui/ScreenLayout.h"

#include <QWidget>
#include <QWindow>

using ScreenLayout::BoardColumns;
using ScreenLayout::BoardRows;

namespace {

QRect ClientCellRect(CellPoint cell) {
    return {ScreenLayout::BoardLeft + cell.Column * ScreenLayout::CellSize,
            ScreenLayout::BoardTop + cell.Row * ScreenLayout::CellSize, ScreenLayout::CellSize,
            ScreenLayout::CellSize};
}

CellPoint CellOfIndex(int index) {
    return {index % BoardColumns, index / BoardColumns};
}

} // namespace

AccessibleBoard::AccessibleBoard(ClientArea* area)
    : QAccessibleWidget(area, QAccessible::Table) {}

AccessibleBoard::~AccessibleBoard() {
    for (const QAccessible::Id id : Ids) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

QAccessibleInterface* AccessibleBoard::Create(const QString&, QObject* object) {
    auto* area = qobject_cast<ClientArea*>(object);
    return area != nullptr ? new AccessibleBoard(area) : nullptr;
}

ClientArea& AccessibleBoard::Area() const {
    return *static_cast<ClientArea*>(widget());
}

QAccessibleInterface* AccessibleBoard::Cell(CellPoint cell) const {
    const int index = cell.Row * BoardColumns + cell.Column;
    QAccessible::Id& id = Ids[static_cast<std::size_t>(index)];
    if (id == 0) {
        ToldNames[static_cast<std::size_t>(index)] =
            BoardWords::CellName(*Area().Narrator()->Board(), cell);
        id = QAccessible::registerAccessibleInterface(new AccessibleBoardCell(*this, cell));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* AccessibleBoard::Status() const {
    QAccessible::Id& id = Ids[CellCount];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new AccessibleBoardText(*this, QAccessible::StatusBar));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* AccessibleBoard::Notice() const {
    QAccessible::Id& id = Ids[CellCount + 1];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new AccessibleBoardText(*this, QAccessible::Notification));
    }
    return QAccessible::accessibleInterface(id);
}

void AccessibleBoard::UpdateNames() {
    const GameBoard& board = *Area().Narrator()->Board();
    // Cells nobody has asked for yet are read afresh when asked.
    for (int index = 0; index < CellCount; ++index) {
        if (Ids[static_cast<std::size_t>(index)] == 0) {
            continue;
        }
        QString name = BoardWords::CellName(board, CellOfIndex(index));
        QString& told = ToldNames[static_cast<std::size_t>(index)];
        if (name != told) {
            told = std::move(name);
            QAccessibleEvent changed(Cell(CellOfIndex(index)), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

void* AccessibleBoard::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleBoard::text(QAccessible::Text textType) const {
    switch (textType) {
    case QAccessible::Name:
        return BoardWords::tr("Board");
    default:
        return QAccessibleWidget::text(textType);
    }
}

int AccessibleBoard::childCount() const {
    return CellCount + 1;
}

QAccessibleInterface* AccessibleBoard::child(int index) const {
    if (index == CellCount) {
        return Status();
    }
    return index >= 0 && index < CellCount ? Cell(CellOfIndex(index)) : nullptr;
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const {
    if (child == Status()) {
        return CellCount;
    }
    const QAccessibleTableCellInterface* cell =
        const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell != nullptr && cell->table() == this
               ? cell->rowIndex() * BoardColumns + cell->columnIndex()
               : -1;
}

QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const {
    for (int index = 0; index < CellCount; ++index) {
        QAccessibleInterface* cell = Cell(CellOfIndex(index));
        if (cell->rect().contains(x, y)) {
            return cell;
        }
    }
    return nullptr;
}

QAccessibleInterface* AccessibleBoard::focusChild() const {
    const GameNarrator* narrator = Area().Narrator();
    const std::optional<CellPoint> focus = narrator ? narrator->Focus() : std::nullopt;
    return focus ? Cell(*focus) : const_cast<AccessibleBoard*>(this);
}

QAccessibleInterface* AccessibleBoard::cellAt(int row, int column) const {
    return row >= 0 && row < BoardRows && column >= 0 && column < BoardColumns ? Cell({column, row})
                                                                               : nullptr;
}

int AccessibleBoard::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> AccessibleBoard::selectedCells() const {
    const GameBoard* board = Area().Narrator() ? Area().Narrator()->Board() : nullptr;
    if (board == nullptr || board->Selection.Column < 0) {
        return {};
    }
    return {Cell(board->Selection)};
}

QString AccessibleBoard::columnDescription(int column) const {
    return BoardWords::tr("column %1").arg(column + 1);
}

QString AccessibleBoard::rowDescription(int row) const {
    return BoardWords::tr("row %1").arg(row + 1);
}

int AccessibleBoard::columnCount() const {
    return BoardColumns;
}

int AccessibleBoard::rowCount() const {
    return BoardRows;
}

AccessibleBoardCell::AccessibleBoardCell(const AccessibleBoard& table, CellPoint cell)
    : Area(&table.Area())
    , Place(cell) {}

bool AccessibleBoardCell::isValid() const {
    return !Area.isNull();
}

QWindow* AccessibleBoardCell::window() const {
    return Area ? Area->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleBoardCell::parent() const {
    return QAccessible::queryAccessibleInterface(Area.data());
}

QAccessibleInterface* AccessibleBoardCell::table() const {
    return parent();
}

QString AccessibleBoardCell::text(QAccessible::Text textType) const {
    const GameNarrator* narrator = Area ? Area->Narrator() : nullptr;
    if (narrator == nullptr || narrator->Board() == nullptr) {
        return {};
    }
    if (textType == QAccessible::Name) {
        return BoardWords::CellName(*narrator->Board(), Place);
    }
    return {};
}

QRect AccessibleBoardCell::rect() const {
    if (!Area) {
        return {};
    }
    const QRect area = Area->AreaRect(ClientCellRect(Place));
    return {Area->mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::State AccessibleBoardCell::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    const GameNarrator* narrator = Area ? Area->Narrator() : nullptr;
    state.focused = narrator != nullptr && Area->hasFocus() && narrator->Focus() == Place;
    state.selected = isSelected();
    return state;
}

void* AccessibleBoardCell::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool AccessibleBoardCell::isSelected() const {
    const GameNarrator* narrator = Area ? Area->Narrator() : nullptr;
    return narrator != nullptr && narrator->Board() != nullptr &&
           narrator->Board()->Selection == Place;
}

AccessibleBoardText::AccessibleBoardText(const AccessibleBoard& board, QAccessible::Role role)
    : Area(&board.Area())
    , Role(role) {}

const AccessibleBoard* AccessibleBoardText::Board() const {
    return static_cast<const AccessibleBoard*>(QAccessible::queryAccessibleInterface(Area.data()));
}

QWindow* AccessibleBoardText::window() const {
    return Area ? Area->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleBoardText::parent() const {
    if (!Area) {
        return nullptr;
    }
    return Role == QAccessible::StatusBar ? QAccessible::queryAccessibleInterface(Area.data())
                                          : Board()->Status();
}

QAccessibleInterface* AccessibleBoardText::child(int index) const {
    return Area && Role == QAccessible::StatusBar && index == 0 ? Board()->Notice() : nullptr;
}

int AccessibleBoardText::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child == AccessibleBoardText::child(0) ? 0 : -1;
}

QString AccessibleBoardText::text(QAccessible::Text textType) const {
    const GameNarrator* narrator = Area ? Area->Narrator() : nullptr;
    if (textType != QAccessible::Name || narrator == nullptr || narrator->Board() == nullptr) {
        return {};
    }
    return Role == QAccessible::StatusBar ? narrator->StatusText() : narrator->Said();
}

QRect AccessibleBoardText::rect() const {
    return Area ? QRect(Area->mapToGlobal(QPoint()), Area->size()) : QRect();
}
