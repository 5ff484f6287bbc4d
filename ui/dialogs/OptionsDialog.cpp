#include "ui/dialogs/OptionsDialog.h"

#include <QShowEvent>

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent) {
    Form.setupUi(this);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    // Fields go to the controls each time the dialog opens, after the caller has filled them;
    // an index with no item (-1, or a stored value out of range) selects nothing.
    if (!event->spontaneous()) {
        for (const OptionControl& option : OptionControls) {
            if (auto* list = findChild<QComboBox*>(option.Control))
                list->setCurrentIndex(this->*option.Field);
            else
                findChild<QCheckBox*>(option.Control)->setChecked(this->*option.Field != 0);
        }
    }
    QDialog::showEvent(event);
}

void OptionsDialog::accept() {
    for (const OptionControl& option : OptionControls) {
        auto* list = findChild<QComboBox*>(option.Control);
        this->*option.Field =
            list ? list->currentIndex() : int{findChild<QCheckBox*>(option.Control)->isChecked()};
    }
    QDialog::accept();
}
