// Plane: one aircraft of the company.
//
// An instance of a plane model with its own name, buy date, flight hours,
// damage record, flight state and at most one owned Route. The company keeps
// its planes in list order and hands out their ids. This class holds the
// record and the rules that need only the plane: status text, age, value,
// running costs, risks, damage, halting and resuming. Fleet operations that
// move money (buying, selling, repairing) are Company operations.
#pragma once

#include "Common/Backend/Route.h"
#include "Common/Backend/Time.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>
#include <memory>
#include <string>

class Plane
{
public:
    static constexpr int32_t RECORD_SIZE = 58;
    // Bounds a saved plane must keep: far beyond 44 years of flying day and
    // night, and of a damage every few days.
    static constexpr double MAX_PLAUSIBLE_HOURS = 1000000.0;
    static constexpr int32_t MAX_PLAUSIBLE_DAMAGES = 100000;
    // Passengers a saved plane may count: far more than 44 years of flights
    // carry, and far enough below the 32-bit limit to keep counting.
    static constexpr int32_t MAX_PLAUSIBLE_PASSENGERS = 1000000000;

    // Phases of the flight state (bits 0..3) and its stopped bit.
    static constexpr int32_t PHASE_MASK = 0x0F;
    static constexpr int32_t STOPPED = 32;
    static constexpr int32_t PHASE_NONE = 0;
    static constexpr int32_t PHASE_REFUEL = 1;
    static constexpr int32_t PHASE_REPAIR = 2;
    static constexpr int32_t PHASE_FLIGHT = 3;
    static constexpr int32_t PHASE_MAINTAIN = 4;
    static constexpr int32_t PHASE_CHECK_IN = 5;

    // Stop reasons beyond the airport closures 1..7.
    static constexpr int32_t STOP_PAUSED = 16;
    static constexpr int32_t STOP_IMPOUNDED = 17;
    static constexpr int32_t STOP_CHARITY = 18;
    static constexpr int32_t STOP_VIP = 19;

    Plane(int32_t model, const std::string& name, const Time& buyDate, int32_t id);
    ~Plane();

    std::string Status() const;
    // Whole years since the purchase, never below 0.
    int32_t Age(const Time& now) const;
    int32_t Speed() const;
    uint32_t Range() const;
    int32_t Capacity() const;

    int64_t Value(const Time& now) const;
    int64_t MaintenanceCost(const Time& now) const;
    // The buying screen's monthly estimate for a new plane of the model.
    static int64_t MaintenanceEstimate(int32_t model);

    // Chances per departure; airportRisk is the departure airport's weather
    // risk (0..4999).
    double DamageRisk(const Time& now, int32_t airportRisk) const;
    double CrashRisk(const Time& now, int32_t airportRisk) const;
    void Damage();

    bool Halt();
    int32_t Resume();
    void Stop() { _flight_state |= STOPPED; }
    bool IsStopped() const { return (_flight_state & STOPPED) != 0; }
    int32_t Phase() const { return _flight_state & PHASE_MASK; }

    void AddProfit(int64_t amount) { _profit += amount; }
    void AddPassengers(int32_t n) { _pass_carried += n; }
    void AddPassengersFlown(int32_t n) { _pass_flown += n; }

    Route* GetRoute() const { return _route.get(); }
    bool HasRoute() const { return _route != nullptr; }
    void SetRoute(std::unique_ptr<Route> route);
    std::unique_ptr<Route> TakeRoute();

    void Save(ConfigBlock& block) const;
    bool Load(const ConfigBlock& block, std::string* error);

    // Field-by-field equality, the route included.
    bool operator==(const Plane& other) const;

    int32_t _model;
    std::string _name;
    Time _buy_date;
    int32_t _damages;
    double _flight_hours;
    uint8_t _damaged;
    int64_t _repair_cost;
    int32_t _flight_state;
    int32_t _stop_reason;
    uint8_t _running;
    int64_t _profit;
    // Every ticket sold, also those the plane had no seat for.
    int32_t _pass_carried;
    int32_t _pass_on_board;
    // The passengers who took a seat, at every take-off: what the
    // statistics count. Saved beside the record as "_pass_flown".
    int32_t _pass_flown;
    int32_t _id;
    int32_t _next_id;

private:
    // The months part of the time since the purchase (the risks' months rule).
    int32_t MonthsPart(const Time& now) const;
    double RiskScale(const Time& now) const;

    std::unique_ptr<Route> _route;
};
