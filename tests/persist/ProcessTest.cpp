#include "persist/GameSettings.h"
#include "persist/HighScoreTable.h"
#include "tests/support/ThrowAwayRegistry.h"

#include <algorithm>
#include <csignal>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>

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

using ProcessTest = ThrowAwayRegistry;

TEST_F(ProcessTest, CopiesSavingAtOnceEachLandWhole) {
    // All start on a store that does not exist yet, so they also race to create it.
    std::vector<pid_t> copies;
    std::fflush(nullptr);
    for (int writer = 1; writer <= 4; ++writer) {
        if (const pid_t child = fork(); child != 0) {
            copies.push_back(child);
            continue;
        }
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
            if (!whole || !saved || !kept)
                _exit(1);
        }
        _exit(0);
    }
    for (const pid_t child : copies) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << "a copy saw a half-made save, or lost its own";
    }
    EXPECT_EQ(Sql("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    EXPECT_EQ(WholeSave(HighScoreTable(0, 4)), "2/19");
}

TEST_F(ProcessTest, ASaveKilledAtAnyWriteLeavesAllOldOrAllNewValues) {
    HighScoreTable table(1, 6);
    Stamp(table, 1, 1);
    table.Save();
    GameSettings().Save();
    const std::string before = ReadFile(File);
    std::set<std::string> outcomes;
    for (rlim_t limit = 0;; limit += 512) {
        std::filesystem::remove(File + "-journal");
        std::ofstream(File, std::ios::binary) << before;
        // The child dies (SIGXFSZ) at its first write that reaches `limit` bytes into a file, and
        // writes only what lies below it of a write across it. Its second save adds pages.
        const int code = RunInChild([&] {
            const rlimit size{limit, limit};
            setrlimit(RLIMIT_FSIZE, &size);
            GameSettings settings;
            settings.SetColors(8);
            settings.Save();
            HighScoreTable added(2, 8);
            Stamp(added, 2, 2);
            return added.Save() ? 0 : 1;
        });
        if (code == 0)
            break;
        ASSERT_EQ(code, 128 + SIGXFSZ);
        GameSettings settings;
        settings.Load();
        const HighScoreTable added(2, 8);
        const std::string saved = (added.GetEntry(0).Score == 0 ? "none" : WholeSave(added)) + " " +
                                  std::to_string(settings.GetColors());
        EXPECT_TRUE(saved == "none 5" || saved == "none 8") << saved << " at " << limit;
        EXPECT_EQ(WholeSave(HighScoreTable(1, 6)) + " " + WholeSave(HighScoreTable(1, 6)),
                  "1/1 1/1");
        EXPECT_EQ(added.LastName, u"1/1") << "at " << limit;
        EXPECT_EQ(Sql("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
        outcomes.insert(saved);
    }
    EXPECT_EQ(outcomes.size(), 2u) << "the child died in either save";
}

TEST_F(ProcessTest, WhatACreationKilledAtAnyWriteLeftIsRemovedAtTheNextOpenUnlessACopyHoldsIt) {
    // Another copy that is making the store at this moment holds its temporary file locked.
    const std::string held = File + ".new-Making";
    const int making = open(held.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    ASSERT_EQ(flock(making, LOCK_EX), 0);
    auto folder = [this] {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Folder))
            names.insert(entry.path().string());
        return names;
    };
    std::set<std::string> leftovers;
    for (rlim_t limit = 0;; limit += 2048) {
        const int code = RunInChild([&] {
            const rlimit size{limit, limit};
            setrlimit(RLIMIT_FSIZE, &size);
            return GameSettings().Load() ? 0 : 1;
        });
        for (const std::string& name : folder())
            if (name != File && name != held)
                leftovers.insert(name.ends_with("-journal") ? "journal" : "temporary");
        EXPECT_TRUE(GameSettings().Load());
        EXPECT_EQ(folder(), (std::set{File, held})) << "at " << limit;
        std::filesystem::remove(File);
        if (code == 0)
            break;
    }
    EXPECT_EQ(leftovers, (std::set<std::string>{"journal", "temporary"})) << "what kills left";
    close(making);
    EXPECT_TRUE(GameSettings().Load() && folder() == std::set{File});
}
