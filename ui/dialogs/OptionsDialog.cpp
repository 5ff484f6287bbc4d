#include "ui/dialogs/OptionsDialog.h"

#include <QShowEvent>

namespace {

int CheckState(const QCheckBox& box) {
    return box.isChecked() ? 1 : 0;
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent) {
    ui.setupUi(this);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    // Fields go to the controls each time the dialog opens, after the caller has filled them;
    // an index with no item (-1, or a stored value out of range) selects nothing.
    if (!event->spontaneous()) {
        ui.typeList1009->setCurrentIndex(TypeIndex);
        ui.animCheck1010->setChecked(AnimCheck != 0);
        ui.showNextCheck1011->setChecked(ShowNextCheck != 0);
        ui.colorList1012->setCurrentIndex(ColorIndex);
        ui.soundCheck1013->setChecked(SoundCheck != 0);
    }
    QDialog::showEvent(event);
}

void OptionsDialog::accept() {
    TypeIndex = ui.typeList1009->currentIndex();
    AnimCheck = CheckState(*ui.animCheck1010);
    ShowNextCheck = CheckState(*ui.showNextCheck1011);
    ColorIndex = ui.colorList1012->currentIndex();
    SoundCheck = CheckState(*ui.soundCheck1013);
    QDialog::accept();
}
