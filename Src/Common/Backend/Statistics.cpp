#include "Common/Backend/Statistics.h"

#include "Common/Backend/PackedRecord.h"
#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{
// Writes a history array as consecutive little-endian 64-bit values.
void PutHistory(ConfigBlock& block, const char* name, const int64_t* values, int32_t count)
{
    PackedRecord record;
    for (int32_t i = 0; i < count; ++i)
        record.Put64(values[i]);
    record.SaveAs(block, name);
}

// Reads a history array back. A value of the wrong length comes from a damaged
// save; it is ignored so the current values stay, as for a missing key.
void GetHistory(const ConfigBlock& block, const char* name, int64_t* values, int32_t count)
{
    PackedRecord record;
    if (!record.LoadFrom(block, name))
        return;
    if (record.Size() != static_cast<size_t>(count) * 8)
    {
        DebugPrintf("Statistics: ignoring \"%s\" of %zu bytes, expected %d\n", name, record.Size(), count * 8);
        return;
    }
    for (int32_t i = 0; i < count; ++i)
        values[i] = record.Get64();
}
} // namespace

Statistics::Statistics()
{
    Reset();
}

void Statistics::Reset()
{
    _incomes_curr_year = 0;
    _costs_curr_year = 0;
    _incomes_current = 0;
    _costs_current = 0;
    _incomes_total = 0;
    _incomes_year = 0;
    _incomes_month = 0;
    _costs_total = 0;
    _costs_year = 0;
    _costs_month = 0;
    _pass_in_the_air = 0;
    _pass_ever = 0;
    std::memset(_history_month, 0, sizeof(_history_month));
    std::memset(_history_year, 0, sizeof(_history_year));
    std::memset(_history_total, 0, sizeof(_history_total));
    // The worth graphs begin at the starting worth.
    _history_month[0] = STARTING_WORTH;
    _history_year[0] = STARTING_WORTH;
    _history_total[0] = STARTING_WORTH;
}

int64_t Statistics::GetIncomes(int32_t period) const
{
    switch (period)
    {
    case PERIOD_TOTAL:
        return _incomes_total;
    case PERIOD_LAST_YEAR:
        return _incomes_year;
    case PERIOD_LAST_MONTH:
        return _incomes_month;
    case PERIOD_CURRENT_MONTH:
        return _incomes_current;
    default:
        return 0;
    }
}

int64_t Statistics::GetCosts(int32_t period) const
{
    switch (period)
    {
    case PERIOD_TOTAL:
        return _costs_total;
    case PERIOD_LAST_YEAR:
        return _costs_year;
    case PERIOD_LAST_MONTH:
        return _costs_month;
    case PERIOD_CURRENT_MONTH:
        return _costs_current;
    default:
        return 0;
    }
}

void Statistics::AddPassengers(int64_t n)
{
    _pass_in_the_air += n;
    _pass_ever += n;
}

int64_t Statistics::GetHistoryMonth(uint32_t i) const
{
    ASSERT(i<31);
    return _history_month[i];
}

int64_t Statistics::GetHistoryYear(uint32_t i) const
{
    ASSERT(i<12);
    return _history_year[i];
}

int64_t Statistics::GetHistoryTotal(uint32_t i) const
{
    ASSERT(i<44);
    return _history_total[i];
}

void Statistics::DailyUpdate(int32_t day, int64_t worth)
{
    ASSERT(day >= 1 && day <= MONTH_DAYS && "day of month out of range");
    _history_month[day - 1] = worth;
}

void Statistics::MonthlyUpdate(int32_t month, int64_t worth)
{
    ASSERT(month >= 0 && month < YEAR_MONTHS && "month out of range");
    // The year sums take the month finished one roll earlier: the month that
    // has just ended reaches them at the next roll.
    _incomes_total += _incomes_current;
    _incomes_curr_year += _incomes_month;
    _incomes_month = _incomes_current;
    _incomes_current = 0;
    _costs_total += _costs_current;
    _costs_curr_year += _costs_month;
    _costs_month = _costs_current;
    _costs_current = 0;
    _history_year[month] = worth;
}

void Statistics::YearlyUpdate(int32_t year, int64_t worth)
{
    ASSERT(year >= FIRST_YEAR && year < FIRST_YEAR + GAME_YEARS && "year roll outside the game years");
    _incomes_year = _incomes_curr_year;
    _incomes_curr_year = 0;
    _costs_year = _costs_curr_year;
    _costs_curr_year = 0;
    _history_total[year - FIRST_YEAR] = worth;
}

void Statistics::Save(ConfigBlock& block) const
{
    block.Put("_incomes_total", _incomes_total);
    block.Put("_incomes_year", _incomes_year);
    block.Put("_incomes_curr_year", _incomes_curr_year);
    block.Put("_incomes_month", _incomes_month);
    block.Put("_incomes_current", _incomes_current);
    block.Put("_costs_total", _costs_total);
    block.Put("_costs_year", _costs_year);
    block.Put("_costs_curr_year", _costs_curr_year);
    block.Put("_costs_month", _costs_month);
    block.Put("_costs_current", _costs_current);
    block.Put("_pass_in_the_air", _pass_in_the_air);
    block.Put("_pass_ever", _pass_ever);
    PutHistory(block, "_history_month", _history_month, MONTH_DAYS);
    PutHistory(block, "_history_year", _history_year, YEAR_MONTHS);
    PutHistory(block, "_history_total", _history_total, GAME_YEARS);
}

bool Statistics::HasPlausibleTotals() const
{
    const auto plausible = [](int64_t value)
    { return value >= -MAX_PLAUSIBLE_TOTAL && value <= MAX_PLAUSIBLE_TOTAL; };
    for (int64_t value : {_incomes_total, _incomes_year, _incomes_curr_year, _incomes_month, _incomes_current,
                          _costs_total, _costs_year, _costs_curr_year, _costs_month, _costs_current,
                          _pass_in_the_air, _pass_ever})
        if (!plausible(value))
            return false;
    return std::all_of(std::begin(_history_month), std::end(_history_month), plausible) &&
           std::all_of(std::begin(_history_year), std::end(_history_year), plausible) &&
           std::all_of(std::begin(_history_total), std::end(_history_total), plausible);
}

void Statistics::Load(const ConfigBlock& block)
{
    block.Get("_incomes_total", _incomes_total);
    block.Get("_incomes_year", _incomes_year);
    block.Get("_incomes_curr_year", _incomes_curr_year);
    block.Get("_incomes_month", _incomes_month);
    block.Get("_incomes_current", _incomes_current);
    block.Get("_costs_total", _costs_total);
    block.Get("_costs_year", _costs_year);
    block.Get("_costs_curr_year", _costs_curr_year);
    block.Get("_costs_month", _costs_month);
    block.Get("_costs_current", _costs_current);
    block.Get("_pass_in_the_air", _pass_in_the_air);
    block.Get("_pass_ever", _pass_ever);
    GetHistory(block, "_history_month", _history_month, MONTH_DAYS);
    GetHistory(block, "_history_year", _history_year, YEAR_MONTHS);
    GetHistory(block, "_history_total", _history_total, GAME_YEARS);
}
