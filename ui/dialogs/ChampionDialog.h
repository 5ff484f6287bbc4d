#pragma once

#include "ui_ChampionDialog.h"

#include <QDialog>
#include <string>

// Asks a new champion for a name. The caller sets PlayerName before exec() and reads it after
// exec() returned QDialog::Accepted; Cancel, or a name left as shown, leaves it as the caller set
// it.
class ChampionDialog : public QDialog {
    Q_OBJECT

public:
    explicit ChampionDialog(QWidget* parent = nullptr);

    std::u16string PlayerName;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Ui::ChampionDialog Form;
};
