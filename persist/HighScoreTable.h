#pragma once

// The five best results of one pair of game type and colour count, and the name the last champion
// typed. Each table lives under the game's key as "G%iC%iName%i" (text) and "G%iC%iScore%i"
// (number) for game type, colour count and entry 0 to 4 (0 the best); "LastName" is shared by all.
// Names are std::u16string: UTF-16 code units, kept exactly (Qt converts with
// QString::fromStdU16String and QString::toStdU16String).

#include "platform/Registry.h"

#include <cstdint>
#include <string>
#include <string_view>

struct HighScoreEntry {
    std::u16string Name;
    std::uint32_t Score = 0;
};

class HighScoreTable {
public:
    static constexpr int EntryCount = 5;
    // The name of an entry that no champion has filled.
    static constexpr std::u16string_view DefaultName = u"Anonymous";

    // Stores the pair, gives every entry an empty Name and Score 0 and LastName "", then Loads.
    HighScoreTable(std::int16_t gameType, std::int32_t colorCount);
    virtual ~HighScoreTable();

    // Reads the ten values of the table and "LastName". False when the key could not be opened:
    // the table then keeps what it holds. A name that is missing, not text or longer than 4095
    // characters reads as "Anonymous"; a score that is missing or not a 4-byte number as 0.
    // The entries are taken in the order stored, not sorted.
    bool Load();

    // Writes all eleven values in one transaction: all land, or (after a failure, a crash or a
    // power cut) none. False when they did not land.
    bool Save();

    // The entry at `index`, 0 to 4 (callers pass only those; any other index is clamped to the
    // nearest of them rather than reaching outside the table).
    HighScoreEntry& GetEntry(int index);
    const HighScoreEntry& GetEntry(int index) const;

    // The index 0 to 4 that `score` would take: the first entry whose score is smaller (unsigned
    // comparison; an equal score keeps its place above); 5 when it does not qualify.
    int FindRank(std::uint32_t score) const;

    // Puts `score` and `name` at FindRank(score), moving the entries below it down and dropping
    // the last one; true when the score entered. In memory only.
    bool Insert(std::uint32_t score, const std::u16string& name);

    // Sets LastName, in memory only.
    void SetLastName(const std::u16string& name);

    // Where a stored entry now lies, and whether its save landed.
    struct StoredEntry {
        int Row = EntryCount; // 0 to 4; EntryCount when the entry is not stored
        Registry::Status Status = Registry::Success;
    };

    // Loads the table as it is stored now, Inserts the entry, sets LastName and Saves, all in one
    // transaction, so that an entry another running copy of the game stored meanwhile survives.
    // Row is EntryCount when the score no longer qualifies or the save did not land.
    StoredEntry StoreChampion(std::uint32_t score, const std::u16string& name);

    // Names the entry this table holds at `index` (0 to 4) where it is stored now, in one
    // transaction: another running copy of the game may have moved it down since this table was
    // loaded, or out of the table, and then nothing is written (Row EntryCount). The rest of the
    // table stays as stored. After a save that landed, this table holds what is stored.
    StoredEntry StoreName(int index, const std::u16string& name);

    std::u16string LastName; // the name the last champion typed; shared by all tables
    std::int32_t ColorCount;
    std::int16_t GameType;
    HighScoreEntry Entries[EntryCount]; // best first

private:
    void LoadFrom(Registry::Key& key);
    void SaveTo(Registry::Key& key) const;
};
