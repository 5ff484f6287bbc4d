#pragma once

#include <QProxyStyle>

// The application's style, with push buttons that lay out their icon and text in right-to-left
// windows as the mirror of left-to-right ones: the text beside the icon, the two centred together.
// Qt places the text against an absolute right edge without saying it is absolute, so a
// right-to-left painter mirrors it once more and the text lands against the button's far border.
class RightToLeftButtonStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps a new instance of the style named `key` ("fusion").
    explicit RightToLeftButtonStyle(const QString& key);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    // Set while a right-to-left button's label with an icon is drawn.
    mutable bool AbsoluteLabelAlignment = false;
};
