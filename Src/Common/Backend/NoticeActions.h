// NoticeActions: what the buttons of the event notices do to the world.
//
// An event that needs a decision stores its subject in the world's dialog
// slots and opens a notice; the player's answer comes back here. The notice
// screens of the game and the headless simulation call the same operations,
// so a scripted game plays by the same rules as a real one. Each operation
// checks what it needs and changes nothing when the answer cannot be carried
// out (returning false or null).
//
// The offers' terms are drawn when the notice is built (Draw...), shown, and
// then accepted with exactly the terms that were shown.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AirportDetails;
class Plane;
class Route;

class NoticeActions
{
public:
    // Travel agency offer (notice 60).
    struct AgencyTerms
    {
        int32_t tickets = 0;  // bought for every flight, a multiple of 5
        int32_t discount = 0; // percent off the ticket price
    };
    static AgencyTerms DrawAgencyOffer(const Plane* plane);
    // The contract starts on the plane's route; the agency leaves again six
    // months to about two and a half years later (AgencyContractEndEvent).
    static bool AcceptAgencyOffer(Plane* plane, const AgencyTerms& terms, const Time& now);

    // Smuggling offer (notice 53).
    struct SmugglingTerms
    {
        int64_t base = 0;    // the route's smuggling base amount at the cost index in force
        int32_t factor = 0;  // -1, 0 or +1
        int64_t payment = 0; // what the notice promises: base + base / 2 x factor
    };
    static SmugglingTerms DrawSmugglingOffer(const Plane* plane);
    static bool AcceptSmuggling(Plane* plane, const SmugglingTerms& terms);

    // Plane damage (notice 45): which question the notice asks.
    enum class RepairChoice
    {
        ASK,            // Yes repairs for the repair cost, No leaves the plane damaged
        NO_SPARE_PARTS, // the model is out of service: Ok only
        CANNOT_AFFORD,  // Ok only
        NOT_DAMAGED,    // nothing to repair (repaired meanwhile)
    };
    static RepairChoice RepairChoiceFor(const Plane* plane);
    static bool RepairPlane(Plane* plane, const Time& now);

    // Plane crash (notice 46). Replace buys a plane of `model` (on sale and
    // affordable, with the range for the route) that takes over the crashed
    // plane's route; Shut down closes the route. Both remove the crashed plane.
    static Plane* ReplaceCrashedPlane(Plane* crashed, int32_t model, const std::string& name,
                                      const Time& now);
    static void ShutDownCrashedPlane(Plane* crashed, const Time& now);
    // The first half of Replace when the replacement is chosen on a screen of
    // its own: the crashed plane leaves the fleet and its route comes back,
    // still open and marked as waiting for a replacement, for the screen to
    // hand to the plane it buys. Null (and the plane removed all the same)
    // when the plane had no route; null, changing nothing, for a plane the
    // company does not own.
    static std::unique_ptr<Route> KeepCrashedRoute(Plane* crashed, const Time& now);

    // Food poisoning (notice 88): the settlement shown, then paid by Ok.
    static int64_t FoodPoisoningSettlement(const Plane* plane);
    static int64_t PayFoodPoisoningSettlement(const Plane* plane);

    // Charity and VIP flights (notices 64 and 73, the plane choice 66 and 75,
    // the "No free plane" notices 70 and 79, the Free button of 67 and 76).
    static std::vector<Plane*> PlanesForSpecialFlight(const AirportDetails* details);
    static bool AssignSpecialFlight(AirportDetails* details, Plane* plane);
    static void FreeSpecialFlight(AirportDetails* details, const Time& now);

    // The amount a notice shows that the world no longer holds once the event
    // is over: the fine of a detected smuggling run (notice 54).
    static void SetNoticeAmount(int64_t amount);
    static int64_t GetNoticeAmount();
};
