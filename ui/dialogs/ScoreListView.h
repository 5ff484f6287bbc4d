#pragma once

#include <QTreeWidget>

// The high-score list: rank, name and score per row, of which only the name can be edited in
// place (double-click, F2, or a click on the selected row's name).
class ScoreListView : public QTreeWidget {
    Q_OBJECT

public:
    // Logical columns; they are shown in the order rank, name, score.
    static constexpr int NameColumn = 0;
    static constexpr int RankColumn = 1;
    static constexpr int ScoreColumn = 2;

    explicit ScoreListView(QWidget* parent = nullptr);

signals:
    // A name editor has closed, however its edit ended.
    void EditEnded();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
};
