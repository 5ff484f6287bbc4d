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
        Form.nameEdit1019->setText(ShownName::Of(PlayerName));
        Form.nameEdit1019->setFocus();
    }
    QDialog::showEvent(event);
}

void ChampionDialog::accept() {
    PlayerName = ShownName::Edited(Form.nameEdit1019->text(), PlayerName);
    QDialog::accept();
}
