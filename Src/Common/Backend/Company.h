// Company: the player's airline.
//
// Its name, cash and bank credit, its planes and the airports where it has
// business (AirportDetails), in list order. The world owns the one company.
// Every change of the world that a screen or an event makes goes through the
// operations here: money (Spend and Earn book into the statistics), the bank
// credit, the fleet, routes and flights, offices, research and advertising,
// the offers at airports, the periodic company passes and the save format.
//
// Operations that need the date take it as `now` (the caller passes the
// scheduler's current time, or the fire time of the event that runs them);
// operations that must put events on the scheduler ask the world's hooks.
#pragma once

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Time.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Statistics;

class Company
{
public:
    static constexpr int64_t START_CASH = 500000;
    static constexpr int64_t START_MIR = 5;
    static constexpr int32_t START_CF = 300;
    static constexpr int64_t CASH_LOW = -20000000000LL;
    static constexpr int64_t CASH_HIGH = 200000000000LL;
    // The largest monthly fee or rent, and the largest single bill, a saved
    // game may hold (before the cost index): about a hundred times what play
    // charges. Larger ones are damage and would break the cash limits above
    // within a few months.
    static constexpr int64_t MAX_PLAUSIBLE_FEE = 100000000LL;
    static constexpr int64_t MAX_PLAUSIBLE_BILL = 1000000000LL;
    // The highest interest rate (percent) and credit factor a saved game may
    // hold: rates are set in whole percents, and the factor grows by one a
    // month from 300.
    static constexpr int64_t MAX_PLAUSIBLE_RATE = 1000;
    static constexpr int32_t MAX_PLAUSIBLE_CREDIT_FACTOR = 100000;
    // The largest plane or airport id a saved game may hold: ids are handed
    // out one per plane bought or airport researched.
    static constexpr int32_t MAX_PLAUSIBLE_ID = 100000000;

    // Outcomes of the monthly credit processing.
    enum class CreditOutcome
    {
        PAID_CONTINUE, // installment paid, credit still running: reschedule
        PAID_FINISHED, // installment paid, nothing left: do not reschedule
        FINED,         // not even 1 % affordable: fined, reschedule, fine notice
        ASK_MIR,       // 1 % affordable but not the installment: reschedule, ask for a new MIR
    };

    // Outcomes of a charity or VIP offer at its expiry.
    enum class SpecialFlightOutcome
    {
        EXPIRED, // no plane was assigned (or it is gone): the offer expired
        FLOWN,   // the assigned plane flew: money booked, plane released
    };

    explicit Company(Statistics* statistics);
    ~Company();
    Company(const Company&) = delete;
    Company& operator=(const Company&) = delete;

    // Start values, cost index back to its start, event subject cleared.
    void Reset();

    // Money. The cash always stays strictly inside (-20e9, 200e9).
    void Spend(int64_t amount, bool book);
    void Earn(int64_t amount, bool book);
    int64_t GetCash() const { return _cash; }
    const std::string& GetName() const { return _name; }
    void SetName(const std::string& name) { _name = name; }

    // Bank credit.
    void ObtainCredit(int64_t amount);
    void RepayCredit(int64_t amount);
    void SetMIR(int64_t percent);
    int64_t GetMIR() const { return _ir; }
    int64_t GetInitialCredit() const { return _oc; }
    int64_t GetRemainingCredit() const { return _rc; }
    int64_t Installment() const;
    void AddInterest();
    void PayInstallment();
    void Fine();
    int64_t FineAmount() const;
    void SetMIRPrompt(bool flag) { _mir_prompt = flag ? 1 : 0; }
    bool GetMIRPrompt() const { return _mir_prompt != 0; }
    int64_t CreditLimit(const Time& now) const;
    CreditOutcome MonthlyCredit();
    int32_t GetCreditFactor() const { return _cf; }
    // A credit is held while any of it remains to be repaid.
    bool HasCredit() const { return _rc > 0; }
    // The most one repayment may be: never more than the credit or the cash.
    int64_t MaxRepayment() const;
    // The highest monthly installment rate the cash can pay (cash x 100 /
    // initial credit), kept within 1..30 percent.
    int64_t HighestRate() const;

    // The worth: cash less the remaining credit, plus the planes' value and
    // the real estate (half the office price of every airport with an
    // office). The two parts are what the company worth screen breaks down.
    int64_t Worth(const Time& now) const;
    int64_t PlanesValue(const Time& now) const;
    int64_t RealEstateValue() const;

    // Periodic passes.
    void MonthlyProcessing();
    void MonthlyAirportChecks(const Time& date);
    void WeeklyAirportChecks(const Time& date);
    void AprilOperation();
    void NewYearOperation();
    // True when the worth has fallen below zero (the game ends).
    bool IsBankrupt(const Time& now) const;

    // Fleet.
    int32_t GetPlaneCount() const { return static_cast<int32_t>(_planes.size()); }
    Plane* GetPlane(int32_t position) const;
    Plane* FindPlane(int32_t id) const;
    int32_t PositionOf(const Plane* plane) const;
    int32_t NextPlaneId() const { return _top_pid; }
    Plane* BuyPlane(int32_t model, const std::string& name, const Time& now);
    void SellPlane(Plane* plane, const Time& now);
    void RenamePlane(Plane* plane, const std::string& name);
    void RepairPlane(Plane* plane, const Time& now);
    // Lets a halted or stopped plane take up its flight cycle again.
    bool ResumePlane(Plane* plane, const Time& now);
    // A crashed plane leaves the fleet. With keepRoute its route is handed
    // back, still open, to wait for a replacement plane (AttachRoute or
    // CloseDetachedRoute); otherwise the route is closed.
    std::unique_ptr<Route> RemoveCrashedPlane(Plane* plane, bool keepRoute, const Time& now);

    // Routes.
    bool MayOpenRoute(int32_t source, int32_t destination) const;
    bool ServesPair(int32_t a, int32_t b) const;
    // The pairs of airports the company's routes join (either direction
    // counts once).
    int32_t ServedPairCount() const;
    // Whether the cash buys the cheapest plane on sale.
    bool CanAffordAnyPlane() const;
    void OpenRoute(Plane* plane, int32_t source, int32_t destination, int32_t priceLevel, int32_t serviceLevel,
                   const Time& now);
    // Hands a route from one plane to another (the replacement screen).
    void MoveRoute(Plane* from, Plane* to, const Time& now);
    void CloseRoute(Plane* plane, const Time& now);
    void AttachRoute(Plane* plane, std::unique_ptr<Route> route, const Time& now);
    void CloseDetachedRoute(std::unique_ptr<Route> route, const Time& now);
    // Puts a plane that has a route into its flight cycle from check-in.
    void StartFlightCycle(Plane* plane, const Time& now);
    // The take-off step of a departure; returns the flight's revenue.
    int64_t DepartureBookkeeping(Plane* plane);
    int64_t DepartureRevenue(Plane* plane);
    void Landing(Plane* plane);
    // The reopening pass: planes stopped by a closure of the airport fly again.
    void ReopeningPass(AirportDetails* details, const Time& now);
    // The monthly running costs of the events: false when the chain ends
    // (no office any more, no route any more).
    bool PayOfficeRent(AirportDetails* details);
    bool PayRouteCost(Plane* plane);
    void PayUpkeep(Plane* plane, const Time& now);
    // A state of emergency: every route from or to the airport is closed and
    // its plane taken off it. Returns how many routes were closed.
    int32_t CloseRoutesThrough(int32_t airport, const Time& now);
    // Accepting a travel agency's offer: the contract, and its end drawn
    // 6 months to 2 years and 5 months ahead.
    void AcceptAgencyOffer(Plane* plane, int32_t tickets, int32_t discount, const Time& now);
    // A food poisoning: the demand of both airports of the route falls by a
    // tenth, and the settlement is paid.
    void FoodPoisoningDemandLoss(const Plane* plane);
    int64_t PayFoodPoisoning(const Plane* plane);
    // A settled smuggling run: fined (caught) or paid.
    void SettleSmuggling(Plane* plane, bool caught);
    // The settlement for a food poisoning on the plane's route.
    int64_t FoodPoisoningSettlement(const Plane* plane) const;

    // Airports.
    int32_t GetAirportCount() const { return static_cast<int32_t>(_airports.size()); }
    AirportDetails* GetDetails(int32_t position) const;
    AirportDetails* FindDetails(int32_t airport) const;
    AirportDetails* FindDetailsById(int32_t id) const;
    int32_t PositionOf(const AirportDetails* details) const;
    AirportDetails* Research(int32_t airport, bool free, const Time& now);
    bool NeedsResearch(int32_t airport, const Time& now) const;
    void BuyOffice(int32_t airport, int64_t price, const Time& now);
    void SellOffice(int32_t airport, int64_t value, const Time& now);
    void OpenStartingAirport(int32_t airport, const Time& now);
    void Advertise(int32_t airport, int32_t campaignSize, const Time& now);
    void DropStaleDetails(const Time& now);
    // What the airport screens may offer at an airport, shared with the
    // simulation's commands. Research and offices need their price strictly
    // below the cash (a price equal to the cash cannot be afforded), and so
    // does a campaign.
    enum class ResearchChoice
    {
        CANNOT_AFFORD, // "You can't afford it!"
        NOT_NEEDED,    // the information is fresh
        ASK,           // confirm the price
    };
    ResearchChoice ResearchChoiceFor(int32_t airport, const Time& now) const;
    bool CanAffordOffice(int32_t airport) const;
    bool CanAffordCampaign(int32_t airport, int32_t campaignSize) const;
    bool HasOffice(int32_t airport) const;
    // A campaign needs details at the airport: without them it would do
    // nothing.
    bool MayAdvertise(int32_t airport) const { return FindDetails(airport) != nullptr; }
    // What selling the office at an airport brings: half its current price.
    static int64_t OfficeSaleValue(int32_t airport);
    // Whether the company may open a route from the airport to its neighbour
    // in `slot`; the demand screen marks the lines where it may not.
    bool MayOpenRouteToNeighbour(int32_t airport, int32_t slot) const;
    int32_t GetHomeAirport() const { return _home; }
    void RefreshNeighbourMarks(AirportDetails* details) const;

    // Offers at airports (route set-up awards, charity and VIP flights).
    AirportDetails* TryMakeOffer(int32_t offerKind, const Time& fireTime);
    int64_t ClaimRouteOffer(int32_t source, int32_t destination);
    void ExpireRouteOffer(AirportDetails* details);
    bool PlaneFitsSpecialFlight(const Plane* plane, const AirportDetails* details) const;
    int64_t SpecialFlightCost(const Plane* plane, const AirportDetails* details) const;
    void AssignSpecialFlight(AirportDetails* details, Plane* plane);
    void FreeSpecialFlight(AirportDetails* details, const Time& now);
    SpecialFlightOutcome CompleteSpecialFlight(AirportDetails* details, const Time& now);
    AirportDetails* SpecialFlightOf(const Plane* plane) const;

    void Save(ConfigBlock& block) const;
    bool Load(const ConfigBlock& block, std::string* error);
    // Sets every airport's counts of routes out and in from the planes'
    // routes. False when an airport has its details twice or more routes
    // start there than an airport allows.
    bool RecountRoutes(std::string* error);

private:
    void CheckCash() const;
    void ClearFlightCycle(Plane* plane);
    void ReleasePlaneFromSpecialFlight(Plane* plane, const Time& now);
    void ForgetPlane(Plane* plane);
    void CountRouteOpened(const Route& route);
    void CountRouteClosed(const Route& route, const Time& now);
    // The routes of the fleet that start (`out`) and end (`in`) at an airport.
    void CountRoutesAt(int32_t airport, int32_t* out, int32_t* in) const;
    // A new record for an airport, appended to the list, counting the routes
    // that already run through the airport.
    AirportDetails* AddDetails(int32_t airport);
    void RefreshMarksAround(const Route& route);
    int64_t RoundedReward(int64_t amount) const;

    Statistics* _statistics;
    std::string _name;
    std::vector<std::unique_ptr<Plane>> _planes;
    std::vector<std::unique_ptr<AirportDetails>> _airports;
    int64_t _cash;
    uint8_t _mir_prompt;
    int64_t _oc;
    int64_t _rc;
    int64_t _ir;
    int32_t _top_pid;
    int32_t _top_aid;
    int32_t _cf;
    // The airport the company was founded at (-1 before), saved as "_home".
    int32_t _home;
};
