#pragma once

#include <QStyledItemDelegate>

// Edits a name in place. A finished edit is handed on through NameEdited instead of being
// written into the list, which shows only what has been stored. Every row is as tall as a row of
// the tallest script the game can show, whatever names it holds, so that the list can be sized
// once for five rows of any names.
class NameEditDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void NameEdited(int row, const QString& name) const;
};
