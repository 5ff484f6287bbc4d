#pragma once

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
