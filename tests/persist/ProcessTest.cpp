// Several copies of the game on one store, and a copy killed in the middle of a save.

#include "StoreTestSupport.h"
#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"

#include <csignal>
#include <map>

using namespace store_test;

namespace {

std::u16string Text(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

// Every value of one save names the save; long names spread a save over several pages.
void Stamp(HighScoreTable& table, int writer, int round) {
    std::string save = std::to_string(writer) + "/" + std::to_string(round);
    for (int i = 0; i < 5; ++i)
        table.GetEntry(i) = {Text(save + "#" + std::to_string(i)) + std::u16string(1500, u'x'),
                             static_cast<std::uint32_t>(writer * 100000 + round * 10 + 5 - i)};
    table.SetLastName(Text(save));
}

// The save whose entries the table holds, as "writer/round"; "mixed" when they come from several.
// (LastName is shared by all tables, so another table's save may have changed it.)
std::string WholeSave(const HighScoreTable& table) {
    std::uint32_t top = table.GetEntry(0).Score;
    int writer = static_cast<int>(top / 100000);
    int round = static_cast<int>(top % 100000 / 10);
    HighScoreTable expected = table;
    Stamp(expected, writer, round);
    for (int i = 0; i < 5; ++i) {
        if (table.GetEntry(i).Name != expected.GetEntry(i).Name ||
            table.GetEntry(i).Score != expected.GetEntry(i).Score)
            return "mixed";
    }
    return std::to_string(writer) + "/" + std::to_string(round);
}

class ProcessTest : public StoreTest {};

TEST_F(ProcessTest, CopiesSavingAtOnceEachLandWhole) {
    constexpr int kCopies = 4;
    constexpr int kRounds = 20;
    // All start together on a store that does not exist yet, so they also race to create it.
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> copies;
    std::fflush(nullptr);
    for (int writer = 1; writer <= kCopies; ++writer) {
        pid_t child = fork();
        if (child == 0) {
            close(gate[1]);
            char byte;
            (void)!read(gate[0], &byte, 1);
            for (int round = 0; round < kRounds; ++round) {
                // A table all copies write, and one of its own that must read back as saved.
                HighScoreTable shared(1, 5);
                if (round > 0 && WholeSave(shared) == "mixed")
                    _exit(1);
                Stamp(shared, writer, round);
                HighScoreTable own(0, 2 + writer);
                Stamp(own, writer, round);
                if (!shared.Save() || !own.Save())
                    _exit(2);
                if (WholeSave(HighScoreTable(0, 2 + writer)) !=
                    std::to_string(writer) + "/" + std::to_string(round))
                    _exit(3);
            }
            _exit(0);
        }
        copies.push_back(child);
    }
    close(gate[0]);
    close(gate[1]); // go
    for (pid_t child : copies) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << "a copy saw a half-made save, or lost its own";
    }
    EXPECT_EQ(Sql(file_, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    EXPECT_NE(WholeSave(HighScoreTable(1, 5)), "mixed");
    EXPECT_EQ(WholeSave(HighScoreTable(0, 4)), "2/19");
}

// The child saves through the game's code over SQLite's own file layer, wrapped so that it dies
// (SIGKILL) at the chosen file-changing operation: just before it, just after it, or halfway
// through it (a torn write).
enum class Moment { Before, After, Halfway };
sqlite3_vfs* gBase;
sqlite3_vfs gShim;
sqlite3_io_methods gMethods;
int gKillAt;
int gCount;
Moment gMoment;

struct ShimFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* Real(sqlite3_file* file) {
    return reinterpret_cast<ShimFile*>(file)->real;
}

// Counts one file-changing operation; at the chosen one, dies when gMoment says.
template <typename Operation>
int Counted(Operation operation, const std::function<void()>& halfway = {}) {
    bool chosen = gKillAt != 0 && ++gCount == gKillAt;
    if (chosen && gMoment == Moment::Halfway && halfway)
        halfway();
    if (chosen && gMoment != Moment::After)
        raise(SIGKILL);
    int rc = operation();
    if (chosen)
        raise(SIGKILL);
    return rc;
}

void InstallShim() {
    gBase = sqlite3_vfs_find(nullptr);
    gMethods = {};
    gMethods.iVersion = 1; // no shared memory or memory mapping: every change is a call below
    gMethods.xClose = [](sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); };
    gMethods.xRead = [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
        return Real(f)->pMethods->xRead(Real(f), data, amount, offset);
    };
    gMethods.xWrite = [](sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
        auto write = [=](int part) {
            return Real(f)->pMethods->xWrite(Real(f), data, part, offset);
        };
        return Counted([=] { return write(amount); }, [=] { write(amount / 2); });
    };
    gMethods.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
        return Counted([=] { return Real(f)->pMethods->xTruncate(Real(f), size); });
    };
    gMethods.xSync = [](sqlite3_file* f, int flags) {
        return Counted([=] { return Real(f)->pMethods->xSync(Real(f), flags); });
    };
    gMethods.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
        return Real(f)->pMethods->xFileSize(Real(f), size);
    };
    gMethods.xLock = [](sqlite3_file* f, int level) {
        return Real(f)->pMethods->xLock(Real(f), level);
    };
    gMethods.xUnlock = [](sqlite3_file* f, int level) {
        return Real(f)->pMethods->xUnlock(Real(f), level);
    };
    gMethods.xCheckReservedLock = [](sqlite3_file* f, int* out) {
        return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
    };
    gMethods.xFileControl = [](sqlite3_file* f, int operation, void* argument) {
        return Real(f)->pMethods->xFileControl(Real(f), operation, argument);
    };
    gMethods.xSectorSize = [](sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); };
    gMethods.xDeviceCharacteristics = [](sqlite3_file* f) {
        return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
    };
    gShim = *gBase;
    gShim.zName = "kill-shim";
    gShim.szOsFile = static_cast<int>(sizeof(ShimFile)) + gBase->szOsFile;
    gShim.xOpen = [](sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* out) {
        auto* shim = reinterpret_cast<ShimFile*>(file);
        shim->real = reinterpret_cast<sqlite3_file*>(shim + 1);
        int rc = gBase->xOpen(gBase, name, shim->real, flags, out);
        shim->base.pMethods = shim->real->pMethods ? &gMethods : nullptr;
        return rc;
    };
    gShim.xDelete = [](sqlite3_vfs*, const char* name, int syncFolder) {
        return Counted([=] { return gBase->xDelete(gBase, name, syncFolder); });
    };
    sqlite3_vfs_register(&gShim, 1);
}

TEST_F(ProcessTest, SaveKilledAtAnyFileOperationLeavesAllOldOrAllNewValues) {
    {
        HighScoreTable table(1, 6);
        Stamp(table, 1, 1);
        table.Save();
        GameSettings settings;
        settings.Load();
        settings.Save();
    }
    Bytes before = ReadFile(file_);
    std::map<std::string, int> outcomes;
    for (Moment moment : {Moment::Before, Moment::After, Moment::Halfway}) {
        int step = 1;
        for (;; ++step) {
            std::filesystem::remove(file_ + "-journal");
            WriteFile(file_, before);
            int code = RunInChild([&] {
                InstallShim();
                HighScoreTable table(1, 6);
                GameSettings settings;
                settings.Load();
                Stamp(table, 2, 2);
                settings.SetColors(8);
                settings.SetGameType(2);
                gKillAt = step;
                gMoment = moment;
                table.Save();
                settings.Save();
                return 0;
            });
            if (code == 0)
                break; // both saves had fewer operations
            ASSERT_EQ(code, 128 + SIGKILL);
            HighScoreTable after(1, 6);
            std::string table = WholeSave(after);
            EXPECT_EQ(Text(table), after.LastName) << "at step " << step;
            GameSettings settings;
            settings.Load();
            std::string options =
                std::to_string(settings.GetColors()) + "/" + std::to_string(settings.GetGameType());
            EXPECT_TRUE(options == "5/0" || options == "8/2") << options << " at step " << step;
            EXPECT_TRUE(table == "1/1" || table == "2/2") << table << " at step " << step;
            ++outcomes[table + " " + options];
            EXPECT_EQ(Sql(file_, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
        }
        EXPECT_GT(step, 20) << "a save spans a journal, its syncs, the pages and their sync";
    }
    EXPECT_GT(outcomes["1/1 5/0"], 0);
    EXPECT_GT(outcomes["2/2 5/0"], 0);
    EXPECT_GT(outcomes["2/2 8/2"], 0);
    EXPECT_EQ(outcomes["1/1 8/2"], 0);
}

} // namespace
