#include "ui/dialogs/HighScoresDialog.h"

#include "persist/HighScoreTable.h"
#include "platform/StringTable.h"
#include "ui/GameContext.h"
#include "ui/dialogs/NameEditDelegate.h"

#include <QHeaderView>
#include <QPushButton>

namespace {

constexpr unsigned FirstGameTypeString = 61404;
constexpr int GameTypeCount = 3;
constexpr int FewestColors = 3;
constexpr int MostColors = 8;

constexpr Qt::Alignment NumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

} // namespace

HighScoresDialog::HighScoresDialog(const GameContext& context, QWidget* parent)
    : QDialog(parent)
    , ShownColors(context.ColorCount)
    , ShownType(context.CurrentType) {
    ui.setupUi(this);

    for (int colors = FewestColors; colors <= MostColors; ++colors)
        ui.colorTabs1015->addTab(QString::number(colors));
    for (int type = 0; type < GameTypeCount; ++type)
        ui.typeTabs1017->addTab(LoadResourceString(FirstGameTypeString + type));

    QHeaderView& columns = *ui.scoreList1014->header();
    columns.moveSection(ScoreListView::RankColumn, 0);
    columns.setSectionResizeMode(ScoreListView::NameColumn, QHeaderView::Stretch);
    columns.setSectionResizeMode(ScoreListView::RankColumn, QHeaderView::ResizeToContents);
    columns.setSectionResizeMode(ScoreListView::ScoreColumn, QHeaderView::ResizeToContents);

    // A pair outside the tab ranges has no tab to select; the list still shows its table.
    ui.typeTabs1017->setCurrentIndex(ShownType);
    ui.colorTabs1015->setCurrentIndex(ShownColors - FewestColors);
    FillList();

    // Exactly the five rows, without scrolling.
    ui.scoreList1014->setFixedHeight(HighScoreTable::EntryCount *
                                         ui.scoreList1014->sizeHintForRow(0) +
                                     2 * ui.scoreList1014->frameWidth());

    // A click on the tab that looks selected while the shown pair lies outside the tab ranges
    // changes no tab, yet it is the player's choice of that table.
    connect(ui.typeTabs1017, &QTabBar::currentChanged, this, &HighScoresDialog::ShowTypeTab);
    connect(ui.typeTabs1017, &QTabBar::tabBarClicked, this, &HighScoresDialog::ShowTypeTab);
    connect(ui.colorTabs1015, &QTabBar::currentChanged, this, &HighScoresDialog::ShowColorTab);
    connect(ui.colorTabs1015, &QTabBar::tabBarClicked, this, &HighScoresDialog::ShowColorTab);

    // The form cannot name the button box's buttons in its tab order: OK, Cancel, then the list
    // and the tabs. The order comes round right; OK is where it starts.
    ui.buttonBox->button(QDialogButtonBox::Ok)->setFocus();

    auto* names = new NameEditDelegate(ui.scoreList1014);
    ui.scoreList1014->setItemDelegate(names);
    connect(names, &NameEditDelegate::nameEdited, this, &HighScoresDialog::StoreName);
    connect(names, &QAbstractItemDelegate::closeEditor, this, &HighScoresDialog::EndNameEdit);
}

void HighScoresDialog::ShowTypeTab(int tab) {
    if (tab < 0 || tab == ShownType)
        return;
    ShownType = tab;
    FillList();
}

void HighScoresDialog::ShowColorTab(int tab) {
    if (tab < 0 || tab + FewestColors == ShownColors)
        return;
    ShownColors = tab + FewestColors;
    FillList();
}

void HighScoresDialog::FillList() {
    ui.scoreList1014->clear();
    const HighScoreTable table(static_cast<std::int16_t>(ShownType), ShownColors);
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < HighScoreTable::EntryCount; ++i) {
        const HighScoreEntry& entry = table.GetEntry(i);
        auto* row = new QTreeWidgetItem;
        row->setText(ScoreListView::NameColumn, QString::fromStdU16String(entry.Name));
        row->setText(ScoreListView::RankColumn, QStringLiteral("%1.").arg(i + 1));
        // Scores show as signed numbers, as they always have: 4294967295 reads "-1".
        row->setText(ScoreListView::ScoreColumn,
                     QString::number(static_cast<std::int32_t>(entry.Score)));
        row->setTextAlignment(ScoreListView::RankColumn, NumberAlignment);
        row->setTextAlignment(ScoreListView::ScoreColumn, NumberAlignment);
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        rows.append(row);
    }
    ui.scoreList1014->addTopLevelItems(rows);
}

void HighScoresDialog::StoreName(int row, const QString& name) {
    HighScoreTable(static_cast<std::int16_t>(ShownType), ShownColors)
        .StoreName(row, name.toStdU16String());
}

void HighScoresDialog::EndNameEdit() {
    FillList();
    ui.scoreList1014->setFocus();
}
