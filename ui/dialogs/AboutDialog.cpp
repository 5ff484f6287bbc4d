#include "ui/dialogs/AboutDialog.h"

#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent) {
    Form.setupUi(this);
}

void AboutDialog::paintEvent(QPaintEvent*) {
    // Loaded for this paint only: the dialog is rarely shown and keeps nothing between paints.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), QImage(ResourcePaths::BitmapPath(AboutBitmap)));
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    // Enter stands for the template's invisible default OK button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
