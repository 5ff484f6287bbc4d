#pragma once

#include "persist/HighScoreTable.h"
#include "ui_HighScoresDialog.h"

#include <QDialog>
#include <optional>

class GameContext;

// Shows the five entries of one high-score table and pages through all eighteen with a row of
// game-type tabs above the list and a row of colour tabs below it. It opens on the table of the
// game in progress; names are edited in place and stored at once, each into the entry it was shown
// for.
class HighScoresDialog : public QDialog {
    Q_OBJECT

public:
    explicit HighScoresDialog(const GameContext& context, QWidget* parent = nullptr);

    int ShownColors; // colour count of the shown table
    int ShownType;   // game type of the shown table; its low 16 bits select the table

private:
    void ShowTypeTab(int tab);
    void ShowColorTab(int tab);
    // Rebuilds the five rows from the registry: the list never keeps text of its own.
    void FillList();
    void StoreName(int row, const QString& text);
    // Rebuilds the list, and tells of a name that was not stored once its editor is gone: a
    // message over the editor would end its edit a second time.
    void EndNameEdit();

    Ui::HighScoresDialog Form;
    std::optional<HighScoreTable> ShownTable;          // as the list shows it
    std::optional<HighScoreTable::StoredEntry> Untold; // a name not stored, not told yet
};
