#include "tests/ui/GameWindowFixture.h"

#include <QHash>
#include <QHeaderView>

namespace {

QByteArray CellAt(const QImage& image, QPoint at) {
    const QImage cell = image.copy(QRect(at, QSize(1, 1) * ScreenLayout::CellSize))
                            .convertToFormat(QImage::Format_RGB32);
    return {reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes()};
}

// The look of a cell, known by its pixels.
char Look(const QByteArray& cell) {
    static const QHash<QByteArray, char> looks = [] {
        QHash<QByteArray, char> table{{CellAt(QImage(":/bitmaps/111.bmp"), CellCorner(0, 0)), '.'}};
        for (int index = 0; index < 26; ++index) {
            const int sprite = index < 16 ? index : index - 16;
            const int rows = index < 16 ? 8 : 5;
            table.insert(CellAt(QImage(index < 16 ? ":/bitmaps/110.bmp" : ":/bitmaps/122.bmp"),
                                QPoint(sprite / rows, sprite % rows) * ScreenLayout::CellSize),
                         "12345678abcdefghruldtRULDT"[index]);
        }
        return table;
    }();
    return looks.value(cell, '?');
}

} // namespace

ManualClockFrame& GameWindowTest::Open(const StoredOptions& options, int scale, unsigned seed) {
    GameSettings settings;
    settings.Anim = options.Anim;
    settings.SoundEffects = options.SoundEffects;
    settings.SetGameType(options.GameType);
    settings.SetColors(options.Colors);
    settings.Save();
    Scale = scale;
    Frame = std::make_unique<ManualClockFrame>(Sound, seed);
    Frame->SetScreenScale(scale);
    Frame->move(100, 100); // off the screen's centre, where dialogs without a parent open
    Frame->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Frame.get()));
    return *Frame;
}

Picture GameWindowTest::Seen(bool next) {
    const QImage shot = Shot();
    Picture seen(next ? 1 : 9);
    for (int index = 0; index < (next ? 3 : 81); ++index)
        seen[index / 9] +=
            Look(CellAt(shot, next ? QPoint(ScreenLayout::NextLeft + ScreenLayout::CellSize * index,
                                            ScreenLayout::NextTop)
                                   : CellCorner(index / 9, index % 9)));
    return seen;
}

QStringList ShownScores(QDialog& dialog) {
    QStringList shown;
    for (const auto* tabs : dialog.findChildren<QTabBar*>())
        shown.append(tabs->tabText(tabs->currentIndex()));
    const auto* list = dialog.findChild<QTreeWidget*>();
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int place = 0; place < list->columnCount(); ++place)
            cells.append(list->topLevelItem(row)->text(list->header()->logicalIndex(place)));
        shown.append(cells.join(' '));
        // Whole and as tall as its names need, whatever their script.
        const QRect whole = list->visualItemRect(list->topLevelItem(row));
        EXPECT_TRUE(list->viewport()->rect().contains(whole) &&
                    whole.height() >= list->sizeHintForRow(row))
            << row;
    }
    return shown;
}
