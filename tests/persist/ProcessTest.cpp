#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "persist/RegistryRules.h"
#include "tests/support/ThrowAwayRegistry.h"

#include <algorithm>
#include <csignal>
#include <set>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <utility>

// Every value of one save names the save; long names spread a save over several pages.
static void Stamp(HighScoreTable& table, int writer, int round) {
    const std::string save = std::to_string(writer) + "/" + std::to_string(round);
    table.SetLastName(std::u16string(save.begin(), save.end()));
    for (int i = 0; i < HighScoreTable::EntryCount; ++i)
        table.GetEntry(i) = {table.LastName + char16_t(u'0' + i) + std::u16string(1500, u'x'),
                             static_cast<std::uint32_t>(writer * 100000 + round * 10 + 5 - i)};
}

// The save whose entries the table holds, as "writer/round"; "mixed" when they come from several.
static std::string WholeSave(const HighScoreTable& table) {
    const std::uint32_t top = table.GetEntry(0).Score;
    HighScoreTable expected = table;
    Stamp(expected, static_cast<int>(top / 100000), static_cast<int>(top % 100000 / 10));
    const bool whole =
        std::equal(table.Entries, table.Entries + 5, expected.Entries,
                   [](auto& a, auto& b) { return a.Name == b.Name && a.Score == b.Score; });
    return whole ? std::to_string(top / 100000) + "/" + std::to_string(top % 100000 / 10) : "mixed";
}

// SQLite's busy waits in this process: the first tells `waiting` (when given); each sleeps as
// asked, or not at all, so that the busy timeout passes at once.
static void WatchBusyWaits(int waiting, bool sleep) {
    static int Waiting;
    static bool Sleep;
    static sqlite3_vfs watched = *sqlite3_vfs_find(nullptr);
    static const auto sleepAsAsked = watched.xSleep;
    Waiting = waiting;
    Sleep = sleep;
    watched.zName = "watched";
    watched.xSleep = [](sqlite3_vfs* vfs, int microseconds) {
        if (Waiting >= 0 && write(std::exchange(Waiting, -1), "", 1) != 1)
            std::abort();
        return Sleep ? sleepAsAsked(vfs, microseconds) : microseconds;
    };
    sqlite3_vfs_register(&watched, 1);
}

using ProcessTest = ThrowAwayRegistry;

TEST_F(ProcessTest, CopiesSavingAtOnceEachLandWhole) {
    // All start on a store that does not exist yet, so they also race to create it.
    std::vector<pid_t> copies;
    for (int writer = 1; writer <= 4; ++writer)
        copies.push_back(StartChild([writer] {
            for (int round = 0; round < 20; ++round) { // all save one table, which stays whole
                HighScoreTable shared(1, 5);
                const bool whole = round == 0 || WholeSave(shared) != "mixed";
                Stamp(shared, writer, round);
                if (!whole || !shared.Save())
                    return 1;
            }
            return 0;
        }));
    for (const pid_t child : copies)
        EXPECT_EQ(EndOfChild(child), 0) << "a copy saw a half-made save, or could not save";
    EXPECT_EQ(Sql("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    EXPECT_EQ(WholeSave(HighScoreTable(1, 5)).substr(1), "/19") << "the last save landed";
}

TEST_F(ProcessTest, ASaveKilledOrRefusedAtAnyWriteLeavesAllOldOrAllNewValuesAndSaysWhy) {
    HighScoreTable table(1, 6);
    Stamp(table, 1, 1);
    table.Save();
    GameSettings().Save();
    const std::string before = ReadFile(File);
    std::set<std::string> outcomes; // the child's exit code and Colors after it
    for (rlim_t limit = 0; !outcomes.contains("0 8"); limit += 512) {
        for (const bool full : {false, true}) {
            std::filesystem::remove(File + "-journal");
            std::ofstream(File, std::ios::binary) << before;
            // At its first write that reaches `limit` bytes into a file the child dies (SIGXFSZ) or
            // finds the disk full, having written what lies below. Its second save adds pages.
            const int code = RunInChild([&] {
                std::signal(SIGXFSZ, full ? SIG_IGN : SIG_DFL);
                const rlimit size{limit, limit};
                setrlimit(RLIMIT_FSIZE, &size);
                GameSettings settings;
                settings.SetColors(8);
                const Registry::Status status = settings.Save();
                return status ? status : WriteAppKey([](Registry::Key& key) {
                    WriteStringValue(key, u"LastName", std::u16string(4000, u'x'));
                });
            });
            GameSettings settings;
            settings.Load();
            outcomes.insert(std::to_string(code) + " " + std::to_string(settings.GetColors()));
            const HighScoreTable kept(1, 6);
            EXPECT_EQ(WholeSave(kept) + " " + std::to_string(kept.LastName.size()),
                      code ? "1/1 3" : "1/1 4000")
                << "at " << limit;
            EXPECT_EQ(Sql("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
        }
    }
    EXPECT_EQ(outcomes, (std::set<std::string>{"0 8", "112 5", "112 8", "153 5", "153 8"}))
        << "killed (153) or told the disk is full (112) in either save";
}

TEST_F(ProcessTest, WhatAKilledCreationLeftIsRemovedAtTheNextOpenUnlessACopyHoldsIt) {
    // Another copy that is making the store at this moment holds its temporary file locked.
    const std::string held = File + ".new-Making";
    const int making = open(held.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    ASSERT_EQ(flock(making, LOCK_EX), 0);
    EXPECT_EQ(RunInChild([] {
                  const rlimit none{0, 0}; // dies at its first write
                  setrlimit(RLIMIT_FSIZE, &none);
                  return GameSettings().Load() ? 0 : 1;
              }),
              128 + SIGXFSZ);
    EXPECT_EQ(FilesInFolder(), 3) << "a temporary file and its journal";
    EXPECT_TRUE(GameSettings().Load() && FilesInFolder() == 2 && std::filesystem::exists(held));
    close(making);
    EXPECT_TRUE(GameSettings().Load() && FilesInFolder() == 1);
}

TEST_F(ProcessTest, ASaveSaysBusyOnlyAfterTheTimeoutAndOneThatMustWaitForAnotherWaits) {
    GameSettings().Save();
    const std::string before = ReadFile(File);
    // Another copy amid a save holds the write lock until the second copy below waits for it, then
    // stores its champion.
    int locked[2];
    int waiting[2];
    char byte = 0;
    ASSERT_EQ(pipe(locked) + pipe(waiting), 0);
    const pid_t first = StartChild([&] {
        close(waiting[1]);
        Registry::Key key;
        if (OpenAppKey(key) || key.BeginTransaction() || write(locked[1], "", 1) != 1 ||
            read(waiting[0], &byte, 1) < 0)
            return 1;
        WriteStringValue(key, u"G1C5Name0", u"First");
        WriteNumberValue(key, u"G1C5Score0", 300);
        return key.CommitTransaction();
    });
    close(locked[1]);
    ASSERT_EQ(read(locked[0], &byte, 1), 1) << "the first copy holds the lock";
    EXPECT_EQ(RunInChild([] {
                  WatchBusyWaits(-1, false);
                  return GameSettings().Save();
              }),
              Registry::Busy); // the lock is held beyond the busy timeout
    EXPECT_TRUE(ReadFile(File) == before);
    const pid_t second = StartChild([&] {
        WatchBusyWaits(waiting[1], true);
        HighScoreTable(1, 5).StoreChampion(200, u"Second");
        return 0;
    });
    close(waiting[1]);
    EXPECT_EQ(EndOfChild(second) + EndOfChild(first), 0);
    const HighScoreTable table(1, 5);
    EXPECT_TRUE(table.GetEntry(0).Name == u"First" && table.GetEntry(1).Name == u"Second" &&
                table.GetEntry(1).Score == 200)
        << "both champions landed";
}
