// Statistics: the company's money flow, passenger counts and worth history.
//
// The world owns the one record. Company::Spend and Company::Earn book into it
// when their book flag is set, the daily, monthly and yearly bookkeeping events
// roll it over, and the flight events count passengers. The statistics screens
// read it through the getters. All counters are 64-bit whole dollars or heads.
#pragma once

#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>

class Statistics
{
public:
    static constexpr int32_t MONTH_DAYS = 31;
    static constexpr int32_t YEAR_MONTHS = 12;
    static constexpr int32_t GAME_YEARS = 44;
    static constexpr int32_t FIRST_YEAR = 1959;
    static constexpr int64_t STARTING_WORTH = 500000;

    // Periods of GetIncomes and GetCosts.
    static constexpr int32_t PERIOD_TOTAL = 0;
    static constexpr int32_t PERIOD_LAST_YEAR = 1;
    static constexpr int32_t PERIOD_LAST_MONTH = 2;
    static constexpr int32_t PERIOD_CURRENT_MONTH = 3;

    Statistics();

    void Reset();

    void AddIncome(int64_t amount) { _incomes_current += amount; }
    void AddCost(int64_t amount) { _costs_current += amount; }
    int64_t GetIncomes(int32_t period) const;
    int64_t GetCosts(int32_t period) const;
    int64_t GetIncomesCurrentYear() const { return _incomes_curr_year; }
    int64_t GetCostsCurrentYear() const { return _costs_curr_year; }

    void AddPassengers(int64_t n);
    void RemovePassengers(int64_t n) { _pass_in_the_air -= n; }
    int64_t GetPassengersInTheAir() const { return _pass_in_the_air; }
    int64_t GetPassengersEver() const { return _pass_ever; }

    int64_t GetHistoryMonth(uint32_t i) const;
    int64_t GetHistoryYear(uint32_t i) const;
    int64_t GetHistoryTotal(uint32_t i) const;

    // The rolls take the company worth from the caller, who knows the date
    // the worth is measured at.
    void DailyUpdate(int32_t day, int64_t worth);
    void MonthlyUpdate(int32_t month, int64_t worth);
    void YearlyUpdate(int32_t year, int64_t worth);

    void Save(ConfigBlock& block) const;
    void Load(const ConfigBlock& block);
    // True when every sum, count and history value lies within
    // MAX_PLAUSIBLE_TOTAL of zero; a saved game outside is damaged, and booking
    // onto it could overflow.
    bool HasPlausibleTotals() const;
    // A thousand times the largest sum 44 years of play can book.
    static constexpr int64_t MAX_PLAUSIBLE_TOTAL = 1000000000000000LL;

    bool operator==(const Statistics& other) const = default;

private:
    int64_t _incomes_curr_year;
    int64_t _costs_curr_year;
    int64_t _incomes_current;
    int64_t _costs_current;
    int64_t _incomes_total;
    int64_t _incomes_year;
    int64_t _incomes_month;
    int64_t _costs_total;
    int64_t _costs_year;
    int64_t _costs_month;
    int64_t _pass_in_the_air;
    int64_t _pass_ever;
    int64_t _history_month[MONTH_DAYS];
    int64_t _history_year[YEAR_MONTHS];
    int64_t _history_total[GAME_YEARS];
};
