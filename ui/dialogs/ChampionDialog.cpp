#include "ui/dialogs/ChampionDialog.h"

#include "ui/dialogs/PlayerName.h"

#include <QApplication>
#include <QShowEvent>

ChampionDialog::ChampionDialog(QWidget* parent)
    : QDialog(parent) {
    ui.setupUi(this);
    // The desktop's font, which the application takes from the platform, made bold.
    QFont bold = QApplication::font();
    bold.setBold(true);
    ui.message1018->setFont(bold);
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
