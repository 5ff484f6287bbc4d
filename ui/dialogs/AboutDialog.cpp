#include "ui/dialogs/AboutDialog.h"

#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"
#include "ui/ScreenLayout.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>

namespace {

// The About picture's words in its English. A language that words them otherwise writes them over
// the picture without words, in a font, so that they stay crisp at every scale.
constexpr char Tagline[] = QT_TRANSLATE_NOOP("AboutDialog", "a ball puzzle game");
constexpr char VersionLine[] = QT_TRANSLATE_NOOP("AboutDialog", "version %1");

// Where and how the picture has its words: the top left of the two lines' boxes, their height in
// pixels, the widest they may be, and their colours.
constexpr QPoint TaglineCorner(0, 77);
constexpr QPoint VersionCorner(0, 235);
constexpr QPoint ShadowOffset(1, 1);
constexpr int WordsPixelSize = 15;
constexpr int WordsWidth = ScreenLayout::ClientWidth - 8;
constexpr QColor TaglineColour(34, 62, 110);
constexpr QColor VersionColour(255, 255, 255);
constexpr QColor VersionShadowColour(40, 100, 40, 140);

// Writes one line centred across the picture, smaller where it would be too wide.
void WriteLine(QPainter& painter, const QString& text, QPoint corner, const QColor& colour) {
    QFont font = painter.font();
    font.setPixelSize(WordsPixelSize);
    font.setBold(true);
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width > WordsWidth) {
        font.setPixelSize(WordsPixelSize * WordsWidth / width);
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(corner, QSize(ScreenLayout::ClientWidth, WordsPixelSize * 2)),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent) {
    Form.setupUi(this);
}

void AboutDialog::paintEvent(QPaintEvent*) {
    // Loaded for this paint only: the dialog is rarely shown and keeps nothing between paints.
    QPainter painter(this);
    const QString version = QStringLiteral(PEBBLIX_VERSION);
    const QString tagline = tr(Tagline);
    const QString versionLine = tr(VersionLine).arg(version);
    if (tagline == QLatin1String(Tagline) &&
        versionLine == QString::fromLatin1(VersionLine).arg(version)) {
        painter.drawImage(QPoint(0, 0), QImage(ResourcePaths::BitmapPath(AboutBitmap)));
        return;
    }
    painter.drawImage(QPoint(0, 0), QImage(ResourcePaths::BitmapPath(AboutBackdropBitmap)));
    painter.setRenderHint(QPainter::TextAntialiasing);
    WriteLine(painter, tagline, TaglineCorner, TaglineColour);
    WriteLine(painter, versionLine, VersionCorner + ShadowOffset, VersionShadowColour);
    WriteLine(painter, versionLine, VersionCorner, VersionColour);
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    // Enter stands for the template's invisible default OK button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
