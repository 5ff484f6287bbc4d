#pragma once

#include "engine/GameBoard.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <cstdint>

class ClientArea;

// The board as assistive technology sees it: a table of 9 × 9 cells, each named by what it holds
// and where it lies, with the keyboard cursor's cell as the focus. Qt makes it only when an
// assistive technology asks for the window's objects.
class AccessibleBoard : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleBoard(ClientArea* area);
    ~AccessibleBoard() override;

    // The factory Qt asks for the client area's accessible object.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    ClientArea& Area() const;
    // The cell's object, made at the first request.
    QAccessibleInterface* Cell(CellPoint cell) const;
    // The status line after the cells, and the notice in it that carries what is said.
    QAccessibleInterface* Status() const;
    QAccessibleInterface* Notice() const;
    // Tells assistive technology of every cell whose name has changed since it was last told.
    void UpdateNames();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text textType) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The player picks balls through the game, not through the table.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    static constexpr int CellCount = 81;
    QAccessibleInterface* Made(QAccessible::Id& id,
                               QAccessibleInterface* (*make)(const AccessibleBoard&)) const;

    // The cells' objects, then the status line's and the notice's; 0 until made.
    mutable std::array<QAccessible::Id, CellCount + 2> Ids{};
    mutable std::array<QString, CellCount> ToldNames;
};

// The status line under the table and the notice in it: text only. A screen reader speaks a
// notice in a status line as it is shown, without naming its kind.
class AccessibleBoardText : public QAccessibleInterface {
public:
    AccessibleBoardText(const AccessibleBoard& board, QAccessible::Role role);

    bool isValid() const override { return !Area.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return Role == QAccessible::StatusBar ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text textType) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return Role; }
    QAccessible::State state() const override { return {}; }

private:
    const AccessibleBoard* Board() const;

    QPointer<ClientArea> Area;
    QAccessible::Role Role;
};

// One cell of the board's table.
class AccessibleBoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    AccessibleBoardCell(const AccessibleBoard& table, CellPoint cell);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text textType) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Place.Column; }
    int rowIndex() const override { return Place.Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    QPointer<ClientArea> Area;
    CellPoint Place;
};
