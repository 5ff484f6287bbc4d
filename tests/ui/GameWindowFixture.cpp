#include "tests/ui/GameWindowFixture.h"

#include "persist/GameSettings.h"
#include "ui/ClientArea.h"

#include <QHash>
#include <QHeaderView>
#include <QTabBar>
#include <QTreeWidget>

namespace {

QByteArray CellAt(const QImage& image, int x, int y) {
    const QImage cell = image.copy(x, y, 24, 24).convertToFormat(QImage::Format_RGB32);
    return {reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes()};
}

// Every look a cell can have, by its pixels.
char Look(const QByteArray& cell) {
    static const QHash<QByteArray, char> looks = [] {
        QHash<QByteArray, char> table;
        for (int index = 0; index < 26; ++index) {
            const bool ball = index < 16;
            const int row = ball ? index % 8 : (index - 16) % 5;
            const QImage sheet(ball ? ":/bitmaps/110.bmp" : ":/bitmaps/122.bmp");
            table.insert(CellAt(sheet, ball ? 24 * (index / 8) : 24 * ((index - 16) / 5), 24 * row),
                         "12345678abcdefghruldtRULDT"[index]);
        }
        table.insert(CellAt(QImage(":/bitmaps/111.bmp"), 12, 43), '.');
        return table;
    }();
    return looks.value(cell, '?');
}

} // namespace

ManualClockFrame& GameWindowTest::Open(const StoredOptions& options, int scale) {
    GameSettings settings;
    settings.Anim = options.Anim;
    settings.SoundEffects = options.SoundEffects;
    settings.SetGameType(options.GameType);
    settings.SetColors(options.Colors);
    settings.Save();
    Scale = scale;
    Frame = std::make_unique<ManualClockFrame>(Sound, 20240);
    Frame->SetScreenScale(scale);
    Frame->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Frame.get()));
    return *Frame;
}

void GameWindowTest::Settle() {
    for (int tick = 0; tick < 50 && Frame->AnimationState != Idle; ++tick) {
        Frame->Tick(Frame->AnimationTimer);
    }
}

void GameWindowTest::Lay(const Picture& picture) {
    Settle();
    ::Lay(Board(), picture);
}

void GameWindowTest::TapAt(QPoint clientPoint) {
    QTest::mouseRelease(Frame->Client(), Qt::LeftButton, {},
                        clientPoint * Scale + QPoint(Scale / 2, Scale / 2));
}

QImage GameWindowTest::Shot() {
    return Frame->Client()->grab().toImage().convertToFormat(QImage::Format_RGB32).scaled(240, 270);
}

Picture GameWindowTest::Seen(bool next) {
    const QImage shot = Shot();
    Picture seen(next ? 1 : 9);
    for (int index = 0; index < (next ? 3 : 81); ++index) {
        const QPoint cell = next ? QPoint(155 + 24 * index, 13)
                                 : QPoint(12 + 24 * (index % 9), 43 + 24 * (index / 9));
        seen[index / 9] += Look(CellAt(shot, cell.x(), cell.y()));
    }
    return seen;
}

QStringList ShownScores(QDialog& dialog) {
    QStringList shown;
    for (const char* name : {"typeTabs1017", "colorTabs1015"}) {
        const auto* tabs = dialog.findChild<QTabBar*>(name);
        shown.append(tabs->tabText(tabs->currentIndex()));
    }
    const auto* list = dialog.findChild<QTreeWidget*>("scoreList1014");
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int place = 0; place < list->columnCount(); ++place) {
            cells.append(list->topLevelItem(row)->text(list->header()->logicalIndex(place)));
        }
        shown.append(cells.join(' '));
    }
    return shown;
}
