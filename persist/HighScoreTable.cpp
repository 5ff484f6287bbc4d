#include "persist/HighScoreTable.h"

#include "persist/RegistryRules.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::u16string_view LastNameValue = u"LastName";

// "G%iC%iName%i" and "G%iC%iScore%i": game type, colour count and entry index, signed decimals.
std::u16string ValueName(std::int16_t gameType, std::int32_t colorCount, const char* field,
                         int index) {
    // Room for the longest: "G-32768C-2147483648Score-2147483648".
    char name[48];
    std::snprintf(name, sizeof name, "G%iC%i%s%i", gameType, colorCount, field, index);
    return std::u16string(name, name + std::strlen(name));
}

std::u16string NameValue(std::int16_t gameType, std::int32_t colorCount, int index) {
    return ValueName(gameType, colorCount, "Name", index);
}

std::u16string ScoreValue(std::int16_t gameType, std::int32_t colorCount, int index) {
    return ValueName(gameType, colorCount, "Score", index);
}

} // namespace

HighScoreTable::HighScoreTable(std::int16_t gameType, std::int32_t colorCount)
    : ColorCount(colorCount)
    , GameType(gameType) {
    Load();
}

HighScoreTable::~HighScoreTable() = default;

bool HighScoreTable::Load() {
    return ReadAppKey([this](Registry::Key& key) { LoadFrom(key); });
}

bool HighScoreTable::Save() {
    return WriteAppKey([this](Registry::Key& key) { SaveTo(key); }) == Registry::Success;
}

void HighScoreTable::LoadFrom(Registry::Key& key) {
    for (int i = 0; i < EntryCount; ++i) {
        Entries[i].Name = ReadStringValue(key, NameValue(GameType, ColorCount, i), DefaultName);
        Entries[i].Score = ReadNumberValue(key, ScoreValue(GameType, ColorCount, i), 0);
    }
    LastName = ReadStringValue(key, LastNameValue, u"");
}

void HighScoreTable::SaveTo(Registry::Key& key) const {
    for (int i = 0; i < EntryCount; ++i) {
        WriteStringValue(key, NameValue(GameType, ColorCount, i), Entries[i].Name);
        WriteNumberValue(key, ScoreValue(GameType, ColorCount, i), Entries[i].Score);
    }
    WriteStringValue(key, LastNameValue, LastName);
}

HighScoreTable::StoredEntry HighScoreTable::StoreChampion(std::uint32_t score,
                                                          const std::u16string& name) {
    StoredEntry stored;
    stored.Status = WriteAppKey([&](Registry::Key& key) {
        LoadFrom(key);
        stored.Row = FindRank(score);
        Insert(score, name);
        SetLastName(name);
        SaveTo(key);
    });
    if (stored.Status != Registry::Success)
        stored.Row = EntryCount;
    return stored;
}

HighScoreTable::StoredEntry HighScoreTable::StoreName(int index, const std::u16string& name) {
    const HighScoreEntry shown = GetEntry(index);
    const auto same = [&shown](const HighScoreEntry& entry) {
        return entry.Score == shown.Score && entry.Name == shown.Name;
    };
    // Of equal entries, the one shown as the n-th stays the n-th: a new one goes below them.
    const auto equalsAbove = std::count_if(Entries, &GetEntry(index), same);
    StoredEntry stored;
    stored.Status = WriteAppKey([&](Registry::Key& key) {
        LoadFrom(key);
        for (int i = 0, equals = 0; i < EntryCount && stored.Row == EntryCount; ++i)
            if (same(Entries[i]) && equals++ == equalsAbove)
                stored.Row = i;
        if (stored.Row < EntryCount) {
            WriteStringValue(key, NameValue(GameType, ColorCount, stored.Row), name);
            Entries[stored.Row].Name = name;
        }
    });
    if (stored.Status != Registry::Success)
        stored.Row = EntryCount;
    return stored;
}

HighScoreEntry& HighScoreTable::GetEntry(int index) {
    return Entries[std::clamp(index, 0, EntryCount - 1)];
}

const HighScoreEntry& HighScoreTable::GetEntry(int index) const {
    return Entries[std::clamp(index, 0, EntryCount - 1)];
}

int HighScoreTable::FindRank(std::uint32_t score) const {
    for (int i = 0; i < EntryCount; ++i) {
        if (Entries[i].Score < score)
            return i;
    }
    return EntryCount;
}

bool HighScoreTable::Insert(std::uint32_t score, const std::u16string& name) {
    int rank = FindRank(score);
    if (rank == EntryCount)
        return false;
    for (int i = EntryCount - 1; i > rank; --i)
        Entries[i] = Entries[i - 1];
    Entries[rank].Name = name;
    Entries[rank].Score = score;
    return true;
}

void HighScoreTable::SetLastName(const std::u16string& name) {
    LastName = name;
}
