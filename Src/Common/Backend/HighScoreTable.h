// HighScoreTable: the best finished games, in rank order.
//
// The high score form owns one table of 10 entries, fills it with the default
// rows when it creates it, and saves it as the "Highscore" sub-block of the
// main menu's state. When a game ends the game-end flow asks whether the
// result qualifies and at which place, then inserts it.
#pragma once

#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>
#include <string>
#include <vector>

struct HighScoreEntry
{
    std::string _name;
    int64_t _worth = 0;
    int32_t _year = 0;

    // Higher worth ranks higher; at equal worth the earlier year does. Equal
    // entries do not rank above each other.
    bool RanksAbove(const HighScoreEntry& other) const
    {
        if (_worth != other._worth)
            return _worth > other._worth;
        return _year < other._year;
    }
    bool operator==(const HighScoreEntry& other) const = default;
};

class HighScoreTable
{
public:
    static constexpr int32_t GAME_CAPACITY = 10;
    static constexpr int32_t DEFAULT_ROWS = 10;

    explicit HighScoreTable(int32_t capacity);
    virtual ~HighScoreTable();

    // Fills every free place i with default row i (when i has one).
    virtual void FillDefaults();

    bool Qualifies(const std::string& name, int64_t worth, int32_t year) const;
    int32_t RankOf(const std::string& name, int64_t worth, int32_t year) const;
    void Insert(const HighScoreEntry& entry);
    const HighScoreEntry& Get(int32_t index) const;

    int32_t GetCount() const { return _currententries; }
    int32_t GetCapacity() const { return _capacity; }

    void Save(ConfigBlock& block) const;
    void Load(const ConfigBlock& block);

    static HighScoreEntry DefaultRow(int32_t rank);

private:
    int32_t _capacity;
    int32_t _currententries;
    std::vector<HighScoreEntry> _entries;
};
