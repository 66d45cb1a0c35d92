// Route: the pair of neighbouring airports that one plane shuttles between.
//
// Owned by its plane. Every departure flips the direction and books the
// flight's ticket income and flight cost; the route also carries its monthly
// fee, the travel-agency contract, an accepted smuggling run and the hold
// flags of a charity or VIP flight the plane is assigned to. The computations
// here are those the flight events and the route screens call; opening and
// closing a route change the company's airport counters and money, so they
// are Company::OpenRoute and Company::CloseRoute.
#pragma once

#include "Common/Backend/Time.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>
#include <string>

class AirportDetails;

class Route
{
public:
    static constexpr int32_t RECORD_SIZE = 68;

    static constexpr int32_t LEVEL_LOW = 0;
    static constexpr int32_t LEVEL_MEDIUM = 1;
    static constexpr int32_t LEVEL_HIGH = 2;

    // The two kinds of special contract, as hold flags: while the plane is
    // assigned to a charity or a VIP flight its flight cycle is not resumed.
    static constexpr int32_t HOLD_CHARITY = 0;
    static constexpr int32_t HOLD_VIP = 1;

    explicit Route(int32_t source);

    void SetDestination(int32_t airport) { _destination = airport; }
    // Source when outbound is set, else the destination.
    int32_t DepartureAirport() const { return _outbound ? _source : _destination; }
    int32_t ArrivalAirport() const { return _outbound ? _destination : _source; }
    void Flip() { _outbound = _outbound ? 0 : 1; }

    // Table distance in km; 0 while the destination is not a neighbour.
    int32_t Distance() const;
    static uint32_t ISqrt(uint32_t value);
    // b = 6 x isqrt(distance).
    int64_t TicketBase() const;

    void ComputeDuration(int32_t speed);
    int32_t DurationMinutes() const;

    // (A + R) / 2: A from the distance and the cost index, R the research
    // cost at the destination.
    static int64_t SetupCost(int32_t source, int32_t destination);

    // Draws the passengers of this take-off from the demand at the source
    // (none without details there) and stores them; returns them plus the
    // agency's tickets.
    int32_t PassengersPerFlight(const AirportDetails* sourceDetails);
    int64_t TicketIncome(int64_t n) const;
    int64_t FlightCost(int64_t n, int32_t capacity) const;
    int64_t MonthlyFee() const;
    // The monthly fee a route opened for `setupCost` keeps (before the cost
    // index of each month is applied).
    static int64_t MonthlyFeeBase(int64_t setupCost) { return setupCost / 5; }

    void SetAgency(int32_t tickets, int32_t reduction);
    void ClearAgency() { SetAgency(0, 0); }
    bool HasAgency() const { return _agency_tickets > 0; }
    // The terms a travel agency offers on this route (tickets a multiple of
    // 5, discount in percent), drawn from the demand at the source.
    void DrawAgencyTerms(const AirportDetails* sourceDetails, int32_t* tickets, int32_t* discount) const;

    // Smuggling: the base amount of an offer on this route, and the accepted
    // run with its payment (base + base x f / 2) and fine (4 x base).
    int64_t SmugglingBase() const;
    void AcceptSmuggling(int64_t base, int32_t factor);
    bool IsSmuggling() const { return _smuggling != 0; }
    int64_t SmugglingPayment() const;
    int64_t SmugglingFine() const;
    void ClearSmuggling();

    bool IsHeld() const { return _hold[HOLD_CHARITY] || _hold[HOLD_VIP]; }

    void Save(ConfigBlock& block) const;
    bool Load(const ConfigBlock& block, std::string* error);
    // True when passengers, agency tickets, fees and the flight time lie
    // within what play produces; a saved route outside them is damaged.
    bool HasPlausibleFigures() const;
    // Passengers a saved route may book per flight: far above any demand.
    static constexpr int32_t MAX_PLAUSIBLE_PASSENGERS = 10000000;
    bool operator==(const Route& other) const;

    int32_t _source;
    int32_t _destination;
    uint8_t _outbound;
    int64_t _monthly_fee;
    // Set while the route waits for a replacement of its crashed plane.
    int32_t _replacement;
    Time _duration;
    int32_t _price_level;
    int32_t _service_level;
    int32_t _third_level;
    // The base amount of an accepted smuggling run.
    int64_t _smuggle_base;
    int32_t _passengers_per_flight;
    // An accepted smuggling run is on board.
    uint8_t _smuggling;
    // The payment factor f (-1, 0 or +1) of the accepted run.
    int32_t _smuggle_factor;
    int64_t _reserved_b;
    int32_t _agency_tickets;
    int32_t _agency_reduction;
    uint8_t _hold[2];
};
