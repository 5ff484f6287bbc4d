// Several copies of the game on one store, and a copy killed in the middle of a save.

#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "tests/support/ThrowAwayRegistry.h"

#include <algorithm>
#include <csignal>
#include <map>

namespace {

std::u16string Text(const std::string& text) {
    return {text.begin(), text.end()};
}

// Every value of one save names the save; long names spread a save over several pages.
void Stamp(HighScoreTable& table, int writer, int round) {
    const std::string save = std::to_string(writer) + "/" + std::to_string(round);
    for (int i = 0; i < HighScoreTable::EntryCount; ++i) {
        table.GetEntry(i) = {Text(save + "#" + std::to_string(i)) + std::u16string(1500, u'x'),
                             static_cast<std::uint32_t>(writer * 100000 + round * 10 + 5 - i)};
    }
    table.SetLastName(Text(save));
}

// The save whose entries the table holds, as "writer/round"; "mixed" when they come from several.
std::string WholeSave(const HighScoreTable& table) {
    const std::uint32_t top = table.GetEntry(0).Score;
    HighScoreTable expected = table;
    Stamp(expected, static_cast<int>(top / 100000), static_cast<int>(top % 100000 / 10));
    const bool whole =
        std::equal(table.Entries, table.Entries + 5, expected.Entries,
                   [](auto& a, auto& b) { return a.Name == b.Name && a.Score == b.Score; });
    return whole ? std::to_string(top / 100000) + "/" + std::to_string(top % 100000 / 10) : "mixed";
}

using ProcessTest = ThrowAwayRegistry;

TEST_F(ProcessTest, CopiesSavingAtOnceEachLandWhole) {
    // All start together on a store that does not exist yet, so they also race to create it.
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> copies;
    std::fflush(nullptr);
    for (int writer = 1; writer <= 4; ++writer) {
        if (const pid_t child = fork(); child != 0) {
            copies.push_back(child);
            continue;
        }
        close(gate[1]);
        char byte;
        (void)!read(gate[0], &byte, 1);
        for (int round = 0; round < 20; ++round) {
            // A table all copies write, and one of its own that must read back as saved.
            HighScoreTable shared(1, 5);
            HighScoreTable own(0, 2 + writer);
            const bool whole = round == 0 || WholeSave(shared) != "mixed";
            Stamp(shared, writer, round);
            Stamp(own, writer, round);
            const bool saved = shared.Save() && own.Save();
            const bool kept = WholeSave(HighScoreTable(0, 2 + writer)) ==
                              std::to_string(writer) + "/" + std::to_string(round);
            if (!whole || !saved || !kept) {
                _exit(1);
            }
        }
        _exit(0);
    }
    close(gate[0]);
    close(gate[1]); // go
    for (const pid_t child : copies) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << "a copy saw a half-made save, or lost its own";
    }
    EXPECT_EQ(Sql("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    EXPECT_NE(WholeSave(HighScoreTable(1, 5)), "mixed");
    EXPECT_EQ(WholeSave(HighScoreTable(0, 4)), "2/19");
}

// The child saves through the game's code over SQLite's own file layer, wrapped so that it dies
// (SIGKILL) at the chosen file-changing operation: just before it, just after it, or halfway
// through it (a torn write).
enum class Moment { Before, After, Halfway };
sqlite3_vfs* Base;
sqlite3_vfs Shim;
sqlite3_io_methods Methods;
int KillAt;
int Count;
Moment When;

struct ShimFile {
    sqlite3_file Base;
    sqlite3_file* Real;
};

sqlite3_file* Real(sqlite3_file* file) {
    return reinterpret_cast<ShimFile*>(file)->Real;
}

// Counts one file-changing operation; at the chosen one, dies when told to.
template <typename Operation>
int Counted(Operation operation, const std::function<void()>& halfway = {}) {
    const bool chosen = ++Count == KillAt;
    if (chosen && When == Moment::Halfway && halfway) {
        halfway();
    }
    if (chosen && When != Moment::After) {
        raise(SIGKILL);
    }
    const int rc = operation();
    if (chosen) {
        raise(SIGKILL);
    }
    return rc;
}

void InstallShim() {
    Base = sqlite3_vfs_find(nullptr);
    Methods = {};
    Methods.iVersion = 1; // no shared memory or memory mapping: every change is a call below
    Methods.xClose = [](sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); };
    Methods.xRead = [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
        return Real(f)->pMethods->xRead(Real(f), data, amount, offset);
    };
    Methods.xWrite = [](sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
        const auto write = [=](int part) {
            return Real(f)->pMethods->xWrite(Real(f), data, part, offset);
        };
        return Counted([=] { return write(amount); }, [=] { write(amount / 2); });
    };
    Methods.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
        return Counted([=] { return Real(f)->pMethods->xTruncate(Real(f), size); });
    };
    Methods.xSync = [](sqlite3_file* f, int flags) {
        return Counted([=] { return Real(f)->pMethods->xSync(Real(f), flags); });
    };
    Methods.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
        return Real(f)->pMethods->xFileSize(Real(f), size);
    };
    Methods.xLock = [](sqlite3_file* f, int level) {
        return Real(f)->pMethods->xLock(Real(f), level);
    };
    Methods.xUnlock = [](sqlite3_file* f, int level) {
        return Real(f)->pMethods->xUnlock(Real(f), level);
    };
    Methods.xCheckReservedLock = [](sqlite3_file* f, int* out) {
        return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
    };
    Methods.xFileControl = [](sqlite3_file* f, int operation, void* argument) {
        return Real(f)->pMethods->xFileControl(Real(f), operation, argument);
    };
    Methods.xSectorSize = [](sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); };
    Methods.xDeviceCharacteristics = [](sqlite3_file* f) {
        return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
    };
    Shim = *Base;
    Shim.zName = "kill-shim";
    Shim.szOsFile = static_cast<int>(sizeof(ShimFile)) + Base->szOsFile;
    Shim.xOpen = [](sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* out) {
        auto* shim = reinterpret_cast<ShimFile*>(file);
        shim->Real = reinterpret_cast<sqlite3_file*>(shim + 1);
        const int rc = Base->xOpen(Base, name, shim->Real, flags, out);
        shim->Base.pMethods = shim->Real->pMethods ? &Methods : nullptr;
        return rc;
    };
    Shim.xDelete = [](sqlite3_vfs*, const char* name, int syncFolder) {
        return Counted([=] { return Base->xDelete(Base, name, syncFolder); });
    };
    sqlite3_vfs_register(&Shim, 1);
}

TEST_F(ProcessTest, ASaveKilledAtAnyFileOperationLeavesAllOldOrAllNewValues) {
    HighScoreTable table(1, 6);
    Stamp(table, 1, 1);
    table.Save();
    GameSettings().Save();
    const std::string before = ReadFile(File);
    std::map<std::string, int> outcomes;
    for (const Moment moment : {Moment::Before, Moment::After, Moment::Halfway}) {
        int step = 1;
        for (;; ++step) {
            std::filesystem::remove(File + "-journal");
            WriteFile(File, before);
            const int code = RunInChild([&] {
                InstallShim();
                HighScoreTable table(1, 6);
                GameSettings settings;
                settings.Load();
                Stamp(table, 2, 2);
                settings.SetColors(8);
                settings.SetGameType(2);
                KillAt = step;
                When = moment;
                table.Save();
                settings.Save();
                return 0;
            });
            if (code == 0) {
                break; // both saves had fewer operations
            }
            ASSERT_EQ(code, 128 + SIGKILL);
            const HighScoreTable after(1, 6);
            GameSettings settings;
            settings.Load();
            const std::string saved = WholeSave(after) + " " +
                                      std::to_string(settings.GetColors()) + "/" +
                                      std::to_string(settings.GetGameType());
            EXPECT_TRUE(saved == "1/1 5/0" || saved == "2/2 5/0" || saved == "2/2 8/2")
                << saved << " at step " << step;
            EXPECT_EQ(Text(saved.substr(0, 3)), after.LastName) << "at step " << step;
            EXPECT_EQ(Sql("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
            ++outcomes[saved];
        }
        EXPECT_GT(step, 20) << "a save spans a journal, its syncs, the pages and their sync";
    }
    EXPECT_EQ(outcomes.size(), 3u) << "every outcome was seen";
}

} // namespace
