#include "ui/dialogs/NameEditDelegate.h"

#include "ui/dialogs/PlayerName.h"

#include <QLineEdit>

QWidget* NameEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setMaxLength(MaxPlayerNameLength);
    return editor;
}

void NameEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        emit NameEdited(index.row(), line->text());
}
