#include "ui/dialogs/PlayerName.h"

#include "persist/HighScoreTable.h"

QString ShownName::Of(const std::u16string& stored) {
    return stored == HighScoreTable::DefaultName ? tr("Anonymous")
                                                 : QString::fromStdU16String(stored);
}

std::u16string ShownName::Edited(const QString& text, const std::u16string& stored) {
    return text == Of(stored) ? stored : text.toStdU16String();
}
