#pragma once

#include "engine/GameBoard.h"
#include "persist/GameSettings.h"
#include "ui_OptionsDialog.h"

#include <QDialog>

// The player's choice of game type and colour count for the next game, and the preview,
// animation and sound switches. The caller fills the fields before exec() and reads them back
// after it returned QDialog::Accepted.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    int TypeIndex = -1;    // 0 Lines, 1 Squares, 2 Blocks; -1 none
    int AnimCheck = 0;     // 0 clear, 1 ticked
    int ShowNextCheck = 0; // 0 clear, 1 ticked
    int ColorIndex = -1;   // colour count - 3; -1 none
    int SoundCheck = 0;    // 0 clear, 1 ticked

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Ui::OptionsDialog Form;
};

// How an option meets the dialog: the field that holds it as an item of a list, or as the state
// of a check box (item 0 clear, 1 ticked), the form's control that shows it, and the option's
// values of the first and the last item.
struct OptionControl {
    const GameOption& Option;
    int OptionsDialog::*Field;
    const char* Control;
    std::int32_t FirstItem;
    std::int32_t LastItem;

    // The item that stands for `value`; -1 (none) when no item does.
    int IndexOf(std::int32_t value) const {
        return value >= FirstItem && value <= LastItem ? value - FirstItem : -1;
    }
    // What the item stands for; a list without a choice (-1) hands back the value before the first.
    std::int32_t ValueOf(int index) const { return index + FirstItem; }
};

// Every option the dialog shows, in the order of its data exchange.
inline constexpr OptionControl OptionControls[] = {
    {GameTypeOption, &OptionsDialog::TypeIndex, "typeList1009", Lines, Blocks},
    {AnimOption, &OptionsDialog::AnimCheck, "animCheck1010", 0, 1},
    {ShowNextOption, &OptionsDialog::ShowNextCheck, "showNextCheck1011", 0, 1},
    {ColorsOption, &OptionsDialog::ColorIndex, "colorList1012", GameBoard::MinColorCount,
     GameBoard::MaxColorCount},
    {SoundEffectsOption, &OptionsDialog::SoundCheck, "soundCheck1013", 0, 1}};
