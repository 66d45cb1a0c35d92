#include "Common/Backend/HighScoreTable.h"

#include "WinCE/Assert.h"

#include <cstdio>

namespace
{
struct DefaultScore
{
    int64_t worth;
    int32_t year;
};

const DefaultScore DEFAULT_SCORES[HighScoreTable::DEFAULT_ROWS] = {
    {1000000000, 2002}, {500000000, 2000}, {200000000, 1995}, {100000000, 1990}, {50000000, 1985},
    {20000000, 1980},   {10000000, 1975},  {5000000, 1970},   {2000000, 1965},   {1000000, 1960},
};

const char DEFAULT_NAME[] = "Sunshine Air";
} // namespace

HighScoreTable::HighScoreTable(int32_t capacity)
    : _capacity(capacity), _currententries(0), _entries(static_cast<size_t>(capacity))
{
    ASSERT(capacity > 0 && "a high score table needs room for entries");
}

HighScoreTable::~HighScoreTable() = default;

HighScoreEntry HighScoreTable::DefaultRow(int32_t rank)
{
    ASSERT(rank >= 0 && rank < DEFAULT_ROWS && "no default row at that rank");
    HighScoreEntry entry;
    entry._name = DEFAULT_NAME;
    entry._worth = DEFAULT_SCORES[rank].worth;
    entry._year = DEFAULT_SCORES[rank].year;
    return entry;
}

void HighScoreTable::FillDefaults()
{
    // A table larger than the default list keeps its extra places free.
    for (int32_t i = _currententries; i < _capacity && i < DEFAULT_ROWS; ++i)
        Insert(DefaultRow(i));
}

bool HighScoreTable::Qualifies(const std::string& name, int64_t worth, int32_t year) const
{
    // A table with a free place takes any result; otherwise the result must
    // beat the last entry.
    if (_currententries < _capacity)
        return true;
    const HighScoreEntry entry{name, worth, year};
    return entry.RanksAbove(_entries[static_cast<size_t>(_currententries - 1)]);
}

int32_t HighScoreTable::RankOf(const std::string& name, int64_t worth, int32_t year) const
{
    const HighScoreEntry entry{name, worth, year};
    int32_t rank = 0;
    while (rank < _currententries && _entries[static_cast<size_t>(rank)].RanksAbove(entry))
        ++rank;
    return rank;
}

void HighScoreTable::Insert(const HighScoreEntry& entry)
{
    if (_currententries < _capacity)
    {
        // A place is free: the entry goes after every entry that does not
        // rank below it. Entries arriving in rank order (loading, defaults)
        // are thus simply appended, and ties keep their arrival order.
        int32_t p = 0;
        while (p < _currententries && !entry.RanksAbove(_entries[static_cast<size_t>(p)]))
            ++p;
        for (int32_t i = _currententries; i > p; --i)
            _entries[static_cast<size_t>(i)] = _entries[static_cast<size_t>(i - 1)];
        _entries[static_cast<size_t>(p)] = entry;
        ++_currententries;
        return;
    }
    // Full: the entry goes above the first entry that does not rank above it,
    // and the last entry drops out. An entry below all of them is dropped.
    int32_t p = 0;
    while (p < _capacity && _entries[static_cast<size_t>(p)].RanksAbove(entry))
        ++p;
    if (p >= _capacity)
        return;
    for (int32_t i = _capacity - 1; i > p; --i)
        _entries[static_cast<size_t>(i)] = _entries[static_cast<size_t>(i - 1)];
    _entries[static_cast<size_t>(p)] = entry;
}

const HighScoreEntry& HighScoreTable::Get(int32_t index) const
{
    ASSERT(!(index > _currententries));
    ASSERT(index >= 0 && index < _capacity && "high score index outside the table");
    return _entries[static_cast<size_t>(index)];
}

void HighScoreTable::Save(ConfigBlock& block) const
{
    char key[32];
    for (int32_t i = 0; i < _currententries; ++i)
    {
        const HighScoreEntry& entry = _entries[static_cast<size_t>(i)];
        std::snprintf(key, sizeof(key), "HS%i", i);
        block.Put(key, entry._worth);
        std::snprintf(key, sizeof(key), "HSName%i", i);
        block.PutString(key, entry._name);
        std::snprintf(key, sizeof(key), "HSYear%i", i);
        block.Put(key, entry._year);
    }
}

void HighScoreTable::Load(const ConfigBlock& block)
{
    // Saved entries replace the current ones (the defaults). Entries are saved
    // without gaps, so the first missing worth ends them; a missing name or
    // year of a present entry reads as empty.
    _currententries = 0;
    char key[32];
    for (int32_t i = 0; i < _capacity; ++i)
    {
        HighScoreEntry entry;
        std::snprintf(key, sizeof(key), "HS%i", i);
        if (!block.Get(key, entry._worth))
            break;
        std::snprintf(key, sizeof(key), "HSName%i", i);
        block.GetString(key, entry._name);
        std::snprintf(key, sizeof(key), "HSYear%i", i);
        block.Get(key, entry._year);
        Insert(entry);
    }
}
