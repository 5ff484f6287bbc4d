// One input is one registry file, read as the game reads it, then changed, saved and read back:
// after an odd first byte ('S') the rest is SQL that builds the file, after an even one ('F') the
// file's bytes. Without libFuzzer, main runs every file of a folder once.
#include "persist/HighScoreTable.h"
#include "persist/RegistryRules.h"
#include "ui/GameContext.h"
#include "ui/dialogs/HighScoresDialog.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <tuple>

static std::string File;

static void Require(bool holds, const char* what) {
    if (!holds)
        qFatal("registry fuzz: %s", what);
}

static std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

static auto Fields(const GameSettings& s) {
    return std::tuple(s.Colors, s.GameType, s.ShowNext, s.Anim, s.SoundEffects);
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QTemporaryDir folder;
    File = folder.filePath("registry.sqlite").toStdString();
    qputenv("PEBBLIX_REGISTRY", File.c_str());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

static void WriteFile(const std::uint8_t* data, std::size_t size) {
    const bool script = size > 0 && data[0] % 2 == 1;
    const std::string rest(reinterpret_cast<const char*>(data) + (size > 0), size - (size > 0));
    std::ofstream(File, std::ios::binary | std::ios::trunc) << (script ? "" : rest);
    if (script) {
        sqlite3* db = nullptr; // the script touches no other file and ends soon
        sqlite3_open(File.c_str(), &db);
        sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
        sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 21);
        sqlite3_progress_handler(
            db, 1000000, [](void*) { return 1; }, nullptr);
        sqlite3_exec(db, rest.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteFile(data, size);
    const std::string before = Contents(File);
    const bool ours = ReadAppKey([](Registry::Key&) {});

    GameContext context; // loads the settings, as the window does at start
    GameSettings& settings = context.Settings;
    context.CurrentType = settings.GameType; // as the first game does
    OptionsDialog options;                   // filled as the Options command fills it
    options.ColorIndex = settings.Colors >= 3 && settings.Colors <= 8 ? settings.Colors - 3 : -1;
    options.TypeIndex = settings.GameType;
    const int type = settings.GameType >= 0 && settings.GameType <= 2 ? settings.GameType : -1;
    options.show();
    options.accept(); // hands back what the lists show: nothing for a type without an item
    Require(options.TypeIndex == type, "type shown");

    HighScoreTable table(settings.GameType, context.ColorCount);
    HighScoresDialog scores(context);
    scores.show();
    const auto* list = scores.findChild<QTreeWidget*>();
    for (int i = 0; i < HighScoreTable::EntryCount; ++i) // column 0 holds the name
        Require(list->topLevelItem(i)->text(0).toStdU16String() == table.Entries[i].Name, "names");

    settings.SetShowNext(settings.GetShowNext() ? 0 : 1); // a change, saved and read back
    table.Insert(1, u"Champion");
    settings.Save();
    table.Save();
    GameSettings again;
    const HighScoreTable tableAgain(settings.GameType, context.ColorCount);
    Require(!ours || (again.Load() && Fields(again) == Fields(settings)), "settings saved");
    for (int i = 0; ours && i < HighScoreTable::EntryCount;
         ++i) // 4096 units and a zero are too long to read
        Require(tableAgain.Entries[i].Name == (table.Entries[i].Name.size() < 4096
                                                   ? table.Entries[i].Name
                                                   : HighScoreTable::DefaultName) &&
                    tableAgain.Entries[i].Score == table.Entries[i].Score,
                "table saved");
    Require(ours || Contents(File) == before, "foreign file kept");
    return 0;
}

#ifdef PEBBLIX_FUZZ_REPLAY
int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::fprintf(stderr, "%s\n", entry.path().c_str());
        const std::string bytes = Contents(entry.path());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
}
#endif
