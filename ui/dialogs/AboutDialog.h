#pragma once

#include "ui_AboutDialog.h"

#include <QDialog>

// The About box: its whole face is the About picture, with its words in the player's language. It
// has no visible button; the title bar's close button, Enter and Escape end it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Ui::AboutDialog Form;
};
