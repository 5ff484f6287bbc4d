#include "ui/dialogs/NameEditDelegate.h"

#include "ui/dialogs/PlayerName.h"

#include <QApplication>
#include <QLineEdit>
#include <algorithm>

namespace {

// Letters of every script the installed fonts cover: Latin with accents and descenders, Greek,
// Cyrillic, Arabic, Chinese, Japanese and Korean.
constexpr char16_t TallestScripts[] = u"Ågý Ωβ Йу عربي 中文 名無し 한글";

} // namespace

QWidget* NameEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setMaxLength(MaxPlayerNameLength);
    return editor;
}

void NameEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        emit NameEdited(index.row(), line->text());
}

QSize NameEditDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem tallest = option;
    initStyleOption(&tallest, index);
    tallest.text = QString::fromUtf16(TallestScripts);
    const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    const QSize tallestSize =
        style->sizeFromContents(QStyle::CT_ItemViewItem, &tallest, QSize(), option.widget);
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), tallestSize.height()));
    return size;
}
