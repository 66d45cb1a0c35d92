// FleetRules: the rules the fleet and route screens and skyreach-sim share.
//
// Which planes the market offers and which the company can afford, where a
// plane may start a route and to which neighbours it may fly, which planes
// can take over a route, and which special contract binds a plane before it
// may be sold or its route shut down. The screens list and enable from these
// answers and the simulation tool refuses from them, so a scripted game and a
// played one can never disagree. Setting up a route is one operation here
// too: it opens the route with its cost and pays the award of an open route
// offer it fulfils.
//
// Everything reads the world through Enviroment; nothing here keeps state.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>
#include <vector>

class Plane;
class Route;

class FleetRules
{
public:
    // A plane or a repair is affordable while its price does not exceed the
    // cash (a price equal to the cash is affordable).
    static bool CanAfford(int64_t price);

    static bool IsOnSale(int32_t model);
    // The model on sale after (step +1) or before (step -1) `model`, going
    // round all the models; `model` itself when it is the only one on sale,
    // -1 when none is. A `model` outside the table starts the search at the
    // first (or last) model.
    static int32_t NextModelOnSale(int32_t model, int32_t step);

    // The airports a route can start from: those the company holds details
    // for, open, with fewer than four routes out, in the company's list order.
    static std::vector<int32_t> StartingAirports();
    static bool IsStartingAirport(int32_t airport);
    // The neighbours of `source`, in the table's order, that `plane` may fly
    // to: within its range, a route the company may open, and not closed by
    // an incident where the company holds details.
    static std::vector<int32_t> Destinations(const Plane& plane, int32_t source);
    static bool IsDestination(const Plane& plane, int32_t source, int32_t destination);

    // Opens the route of a plane without one from a starting airport to one
    // of its destinations (paying the setup cost and starting the flight
    // cycle), then claims the starting airport's route offer when the route
    // fulfils it. Returns the award paid (0 when none). The caller has
    // checked the airports with the rules above.
    static int64_t SetUpRoute(Plane* plane, int32_t source, int32_t destination, int32_t priceLevel,
                              int32_t serviceLevel, const Time& now);

    // A plane can take over `route` (flown by `flownBy`, or waiting without a
    // plane when it is null) when it is another plane, flies no route of its
    // own, is not damaged and has the range for it.
    static bool CanTakeOver(const Plane& plane, const Route& route, const Plane* flownBy);
    static std::vector<Plane*> PlanesForRoute(const Route& route, const Plane* flownBy);
    // A new plane of `model` bought to take over `route` must have the range
    // for it.
    static bool ModelReaches(int32_t model, const Route& route);
    // The plane that flies `route`, or null for a route that waits for one.
    static Plane* PlaneFlying(const Route* route);

    // The route edit screen's change of the ticket price and service level
    // (each 0 low, 1 medium, 2 high).
    static void SetRouteLevels(Plane* plane, int32_t priceLevel, int32_t serviceLevel);

    // A plane stands still (its lamp is red) while it has no route or is
    // stopped (paused, damaged, held at a closed airport, impounded, waiting
    // for a special flight).
    static bool StandsStill(const Plane& plane);

    // The special contract that binds a plane: while it is assigned to a
    // charity or VIP flight, selling it or shutting its route down breaks the
    // contract, and the player is warned first.
    enum class Contract
    {
        NONE,
        CHARITY,
        VIP,
    };
    static Contract BindingContract(const Plane& plane);
    // The warning to pass instead of `confirmation` (the sale 15 or the
    // shut-down 16) for this plane: the confirmation itself for a free plane.
    // Each kind of contract has two warnings, the first before a sale (68
    // charity, 77 VIP), the second before a shut-down (69, 78), so that the
    // warning's Proceed knows which confirmation follows it.
    static int32_t WarningBefore(int32_t confirmation, const Plane& plane);
    // The confirmation that follows the warning `notice`; 0 for a number
    // that is no contract warning.
    static int32_t ConfirmationAfter(int32_t notice);
};
