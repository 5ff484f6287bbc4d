#include "ui/dialogs/ChampionDialog.h"

#include "ui/dialogs/PlayerName.h"

#include <QShowEvent>

ChampionDialog::ChampionDialog(QWidget* parent)
    : QDialog(parent) {
    Form.setupUi(this);
    Form.nameEdit1019->setMaxLength(MaxPlayerNameLength);
}

void ChampionDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        Form.nameEdit1019->setText(QString::fromStdU16String(PlayerName));
        Form.nameEdit1019->setFocus();
    }
    QDialog::showEvent(event);
}

void ChampionDialog::accept() {
    PlayerName = Form.nameEdit1019->text().toStdU16String();
    QDialog::accept();
}
