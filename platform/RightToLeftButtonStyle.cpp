#include "platform/RightToLeftButtonStyle.h"

#include <QStyleOptionButton>

RightToLeftButtonStyle::RightToLeftButtonStyle(const QString& key)
    : QProxyStyle(key) {}

void RightToLeftButtonStyle::drawControl(ControlElement element, const QStyleOption* option,
                                         QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    AbsoluteLabelAlignment = element == CE_PushButtonLabel && button != nullptr &&
                             button->direction == Qt::RightToLeft && !button->icon.isNull();
    QProxyStyle::drawControl(element, option, painter, widget);
    AbsoluteLabelAlignment = false;
}

void RightToLeftButtonStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                          const QPalette& palette, bool enabled,
                                          const QString& text, QPalette::ColorRole textRole) const {
    QProxyStyle::drawItemText(painter, rect,
                              AbsoluteLabelAlignment ? flags | Qt::AlignAbsolute : flags, palette,
                              enabled, text, textRole);
}
