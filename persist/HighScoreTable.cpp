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

int HighScoreTable::StoreChampion(std::uint32_t score, const std::u16string& name) {
    int index = EntryCount;
    WriteAppKey([&](Registry::Key& key) {
        LoadFrom(key);
        const int rank = FindRank(score);
        Insert(score, name);
        SetLastName(name);
        SaveTo(key);
        index = rank;
    });
    return index;
}

void HighScoreTable::StoreName(int index, const std::u16string& name) {
    const int at = std::clamp(index, 0, EntryCount - 1);
    WriteAppKey([&](Registry::Key& key) {
        WriteStringValue(key, NameValue(GameType, ColorCount, at), name);
        Entries[at].Name = name;
    });
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
