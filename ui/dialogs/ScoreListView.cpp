#include "ui/dialogs/ScoreListView.h"

ScoreListView::ScoreListView(QWidget* parent)
    : QTreeWidget(parent) {}

bool ScoreListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A double-click or F2 anywhere in a row edits its name; a click on the selected row's rank
    // or score is only a click.
    if (trigger == SelectedClicked && index.column() != NameColumn)
        return false;
    return QTreeWidget::edit(index.siblingAtColumn(NameColumn), trigger, event);
}

void ScoreListView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTreeWidget::closeEditor(editor, hint);
    emit EditEnded();
}
