#include "ui/dialogs/HighScoresDialog.h"

#include "engine/GameBoard.h"
#include "persist/HighScoreTable.h"
#include "platform/StringTable.h"
#include "resources/ResourceIds.h"
#include "ui/GameContext.h"
#include "ui/dialogs/NameEditDelegate.h"
#include "ui/dialogs/PlayerName.h"
#include "ui/dialogs/SaveFailureMessage.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr Qt::Alignment NumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

} // namespace

HighScoresDialog::HighScoresDialog(const GameContext& context, QWidget* parent)
    : QDialog(parent)
    , ShownColors(context.ColorCount)
    , ShownType(context.CurrentType) {
    Form.setupUi(this);

    for (int colors = GameBoard::MinColorCount; colors <= GameBoard::MaxColorCount; ++colors)
        Form.colorTabs1015->addTab(QString::number(colors));
    for (int type = 0; type < GameTypeCount; ++type)
        Form.typeTabs1017->addTab(LoadResourceString(LinesString + type));

    // The delegate sizes the rows, before the list's height is taken from them.
    auto* names = new NameEditDelegate(Form.scoreList1014);
    Form.scoreList1014->setItemDelegate(names);
    connect(names, &NameEditDelegate::NameEdited, this, &HighScoresDialog::StoreName);
    connect(Form.scoreList1014, &ScoreListView::EditEnded, this, &HighScoresDialog::EndNameEdit);

    QHeaderView& columns = *Form.scoreList1014->header();
    columns.moveSection(ScoreListView::RankColumn, 0);
    columns.setSectionResizeMode(ScoreListView::NameColumn, QHeaderView::Stretch);
    columns.setSectionResizeMode(ScoreListView::RankColumn, QHeaderView::ResizeToContents);
    columns.setSectionResizeMode(ScoreListView::ScoreColumn, QHeaderView::ResizeToContents);

    // A pair outside the tab ranges has no tab to select; the list still shows its table.
    Form.typeTabs1017->setCurrentIndex(ShownType);
    Form.colorTabs1015->setCurrentIndex(ShownColors - GameBoard::MinColorCount);
    FillList();

    // Exactly the five rows, without scrolling: the rows of any names are equally tall.
    Form.scoreList1014->setFixedHeight(HighScoreTable::EntryCount *
                                           Form.scoreList1014->sizeHintForRow(0) +
                                       2 * Form.scoreList1014->frameWidth());

    // A click on the tab that looks selected while the shown pair lies outside the tab ranges
    // changes no tab, yet it is the player's choice of that table.
    connect(Form.typeTabs1017, &QTabBar::currentChanged, this, &HighScoresDialog::ShowTypeTab);
    connect(Form.typeTabs1017, &QTabBar::tabBarClicked, this, &HighScoresDialog::ShowTypeTab);
    connect(Form.colorTabs1015, &QTabBar::currentChanged, this, &HighScoresDialog::ShowColorTab);
    connect(Form.colorTabs1015, &QTabBar::tabBarClicked, this, &HighScoresDialog::ShowColorTab);

    // The form cannot name the button box's buttons in its tab order: OK, Cancel, then the list
    // and the tabs. The order comes round right; OK is where it starts.
    Form.buttonBox->button(QDialogButtonBox::Ok)->setFocus();
}

void HighScoresDialog::ShowTypeTab(int tab) {
    if (tab < 0 || tab == ShownType)
        return;
    ShownType = tab;
    FillList();
}

void HighScoresDialog::ShowColorTab(int tab) {
    if (tab < 0 || tab + GameBoard::MinColorCount == ShownColors)
        return;
    ShownColors = tab + GameBoard::MinColorCount;
    FillList();
}

void HighScoresDialog::FillList() {
    Form.scoreList1014->clear();
    ShownTable.emplace(static_cast<std::int16_t>(ShownType), ShownColors);
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < HighScoreTable::EntryCount; ++i) {
        const HighScoreEntry& entry = ShownTable->GetEntry(i);
        auto* row = new QTreeWidgetItem;
        row->setText(ScoreListView::NameColumn, ShownName::Of(entry.Name));
        row->setText(ScoreListView::RankColumn, QStringLiteral("%1.").arg(i + 1));
        // Scores show as signed numbers, as they always have: 4294967295 reads "-1".
        row->setText(ScoreListView::ScoreColumn,
                     QString::number(static_cast<std::int32_t>(entry.Score)));
        row->setTextAlignment(ScoreListView::RankColumn, NumberAlignment);
        row->setTextAlignment(ScoreListView::ScoreColumn, NumberAlignment);
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        rows.append(row);
    }
    Form.scoreList1014->addTopLevelItems(rows);
}

void HighScoresDialog::StoreName(int row, const QString& text) {
    const std::u16string name = ShownName::Edited(text, ShownTable->GetEntry(row).Name);
    if (name == ShownTable->GetEntry(row).Name) // left as it was shown
        return;
    const HighScoreTable::StoredEntry stored = ShownTable->StoreName(row, name);
    if (stored.Status != Registry::Success || stored.Row == HighScoreTable::EntryCount)
        Untold = stored;
}

void HighScoresDialog::EndNameEdit() {
    FillList();
    Form.scoreList1014->setFocus();
    const auto untold = std::exchange(Untold, std::nullopt);
    if (untold && untold->Status != Registry::Success)
        SaveFailureMessage(SaveFailureMessage::NameLost, untold->Status, this).exec();
    else if (untold)
        QMessageBox::information(
            this, windowTitle(),
            tr("The entry is no longer in the table; the name was not saved."));
}
