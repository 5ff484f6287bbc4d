#include "ui/dialogs/ChampionDialog.h"

#include "ui/dialogs/PlayerName.h"

#include <QShowEvent>

ChampionDialog::ChampionDialog(QWidget* parent)
    : QDialog(parent) {
    ui.setupUi(this);
    ui.nameEdit1019->setMaxLength(MaxPlayerNameLength);
}

void ChampionDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        ui.nameEdit1019->setText(QString::fromStdU16String(PlayerName));
        ui.nameEdit1019->setFocus();
    }
    QDialog::showEvent(event);
}

void ChampionDialog::accept() {
    PlayerName = ui.nameEdit1019->text().toStdU16String();
    QDialog::accept();
}
