#include "ui/dialogs/OptionsDialog.h"

#include <QShowEvent>

namespace {

int CheckState(const QCheckBox& box) {
    return box.isChecked() ? 1 : 0;
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent) {
    Form.setupUi(this);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    // Fields go to the controls each time the dialog opens, after the caller has filled them;
    // an index with no item (-1, or a stored value out of range) selects nothing.
    if (!event->spontaneous()) {
        Form.typeList1009->setCurrentIndex(TypeIndex);
        Form.animCheck1010->setChecked(AnimCheck != 0);
        Form.showNextCheck1011->setChecked(ShowNextCheck != 0);
        Form.colorList1012->setCurrentIndex(ColorIndex);
        Form.soundCheck1013->setChecked(SoundCheck != 0);
    }
    QDialog::showEvent(event);
}

void OptionsDialog::accept() {
    TypeIndex = Form.typeList1009->currentIndex();
    AnimCheck = CheckState(*Form.animCheck1010);
    ShowNextCheck = CheckState(*Form.showNextCheck1011);
    ColorIndex = Form.colorList1012->currentIndex();
    SoundCheck = CheckState(*Form.soundCheck1013);
    QDialog::accept();
}
