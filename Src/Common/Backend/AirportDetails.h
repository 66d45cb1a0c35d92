// AirportDetails: what the company knows and owns at one airport.
//
// Researched demand towards each of the airport's six neighbours, advertising
// effects, four risk values, an office, the counters of routes starting and
// ending here, the open flag and closure reason of incidents, and the state
// of an open offer. The company keeps one record per airport where it has
// business, in list order; research creates a record and DropStaleDetails
// removes it again when it is stale and unused. Demand feeds the passengers of
// flights, the weather risk the plane risks, the risk values the incidents.
//
// The record is plain data; the operations below keep its rules (demand caps,
// route counters, risk bounds) and are what the company, the events and the
// screens call.
#pragma once

#include "Common/Backend/Time.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>
#include <string>

class AirportDetails
{
public:
    static constexpr int32_t NEIGHBOURS = 6;
    static constexpr int32_t MAX_DEMAND = 10000;
    static constexpr int32_t MAX_ROUTES_OUT = 4;
    static constexpr int32_t RISK_LIMIT = 5000;
    static constexpr int32_t MIN_EFFICIENCY = 10;
    static constexpr int32_t MAX_EFFICIENCY = 1000;
    // The advertising bonus a saved airport may hold: campaigns add a share
    // of a demand of at most MAX_DEMAND, and this leaves room for many.
    static constexpr int32_t MAX_PLAUSIBLE_BONUS = 100 * MAX_DEMAND;
    static constexpr int32_t RECORD_SIZE = 144;

    // What an open offer is (`_event_state`).
    static constexpr int32_t OFFER_NONE = 0;
    static constexpr int32_t OFFER_CHARITY = 1;
    static constexpr int32_t OFFER_ROUTE = 2;
    static constexpr int32_t OFFER_VIP = 3;

    // Risk kinds of RiskCategory.
    static constexpr int32_t RISK_SMUGGLING = 0;
    static constexpr int32_t RISK_WEATHER = 1;
    static constexpr int32_t RISK_EVENT = 2;
    static constexpr int32_t RISK_STRIKE = 3;

    // Closure reasons (`_closure_reason`), also the stop reasons of planes.
    static constexpr int32_t OPEN = 0;
    static constexpr int32_t CLOSED_STRIKE = 1;
    static constexpr int32_t CLOSED_THUNDERSTORM = 2;
    static constexpr int32_t CLOSED_WIND = 3;
    static constexpr int32_t CLOSED_BAD_WEATHER = 4;
    static constexpr int32_t CLOSED_FOG = 5;
    static constexpr int32_t CLOSED_MANEUVERS = 6;
    static constexpr int32_t CLOSED_EMERGENCY = 7;

    AirportDetails(int32_t airport, int32_t id);

    // Prices at an airport, whether or not the company has details there.
    static int64_t OfficePrice(int32_t airport);
    static int64_t ResearchCost(int32_t airport);
    static int64_t AdvertisingCost(int32_t airport, int32_t campaignSize);

    // Research steps: demand from the airport sizes, fresh risks, the date.
    void Gather(const Time& now);
    // Stale: at least a year old, no office, no route, no open offer.
    bool IsStale(const Time& now) const;

    void SetDemand(int32_t slot, int64_t value);
    int32_t GetDemand(int32_t slot) const;
    int32_t EffectiveDemand(int32_t slot) const;
    // Base passengers per flight towards the slot: (demand + bonus) / 10.
    int32_t DemandFor(int32_t slot) const;
    // The slot of a neighbour airport, -1 when it is none.
    int32_t SlotOf(int32_t airport) const;

    void RouteOutOpened();
    void RouteOutClosed(const Time& now);
    void RouteInOpened();
    void RouteInClosed(const Time& now);
    int16_t RoutesOut() const { return static_cast<int16_t>(_route_out_cnt); }
    int16_t RoutesIn() const { return static_cast<int16_t>(_route_in_cnt); }

    bool MarkNeighbour(uint32_t dst);
    bool UnmarkNeighbour(uint32_t dst);
    bool IsMarked(uint32_t dst) const;

    // 0..4: "very low" .. "very high".
    int32_t RiskCategory(int32_t kind) const;
    static const char* RiskName(int32_t category);
    void RandomiseRisks();

    // Advertising: the campaign's start (steps 1 to 3, filling the snapshot
    // that the monthly steps use), one monthly step (months left 12..1), the
    // closing step, and the yearly efficiency growth (true once it is full).
    void StartCampaign(int32_t campaignSize, int32_t snapshot[NEIGHBOURS]);
    void ApplyCampaignMonth(const int32_t snapshot[NEIGHBOURS], int32_t campaignSize, int32_t monthsLeft);
    void CloseCampaign(const int32_t snapshot[NEIGHBOURS], int32_t campaignSize);
    bool GrowEfficiency(int32_t amount);

    // The yearly demand response to one of the company's routes from here.
    void RespondToRoute(int32_t destinationSlot, int32_t priceLevel, int32_t serviceLevel);

    // The periodic incident draws; they schedule through the world's hooks.
    void MonthlyAirportCheck(const Time& date);
    void WeeklyAirportCheck(const Time& date);
    // Demand loss of an incident (divisor 50, or 10 for bad weather).
    void ApplyIncidentLoss(int32_t divisor);
    // Closes the airport for a reason, or opens it again.
    void Close(int32_t reason);
    void Reopen();
    // Every demand value becomes value x numerator / denominator, capped.
    void ScaleDemand(int32_t numerator, int32_t denominator);

    // The offer tests: chances in per mille that an offer of the kind is made
    // here this time (0 = never now). See the definitions for the rules.
    int32_t RouteOfferChance(bool homeAirport) const;
    int32_t CharityOfferChance() const;
    int32_t VipOfferChance() const;
    int32_t UnservedNeighbourCount() const;
    bool HasOpenOffer() const { return _event_state != OFFER_NONE; }
    void ClearOffer();

    void Save(ConfigBlock& block) const;
    // False with the reason when the record cannot belong to a plausible save.
    bool Load(const ConfigBlock& block, std::string* error);
    // True when the offer and closure are known kinds and demand, bonus,
    // results, the offer's value, efficiency, rent, risks and dates lie
    // within what play produces; a saved airport outside them is damaged.
    bool HasPlausibleFigures() const;
    // True for the sizes an advertising campaign comes in: 40, 80 or 120.
    static bool IsCampaignSize(int32_t size) { return size == 40 || size == 80 || size == 120; }

    bool operator==(const AirportDetails& other) const;

    int32_t _airport;
    int32_t _demand[NEIGHBOURS];
    int32_t _bonus[NEIGHBOURS];
    int32_t _adv_efficiency;
    int32_t _event_chance;
    int32_t _smuggling_risk;
    int32_t _strike_risk;
    int32_t _weather_risk;
    uint8_t _office;
    int64_t _office_fee;
    int32_t _route_out_cnt;
    int32_t _route_in_cnt;
    uint32_t _neighbour_marks;
    Time _research_date;
    int64_t _result_curr;
    int64_t _result_last;
    int32_t _event_state;
    // The destination airport of an open route, charity or VIP offer.
    int32_t _reserved_a;
    int64_t _event_value;
    Time _expiry_date;
    int32_t _event_mark;
    uint8_t _route_offer_pending;
    uint8_t _special_offer_pending;
    int32_t _id;
    int32_t _next_id;
    uint8_t _event_pending;
    uint8_t _open;
    int32_t _closure_reason;
};
