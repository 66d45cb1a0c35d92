// ModelReturn: what a plane model earns in a year on one route, measured
// with the game's own rules.
//
// The balance report and the model-table tests ask how well a model pays on
// its price: a new plane of the model on a route between two neighbours, the
// source freshly researched, flying undisturbed (no incidents, no agency, no
// advertising) at medium ticket price and medium service, with the cost
// index of a given year. Every figure comes from the backend's operations:
// the researched demand, the passengers a take-off draws, the ticket income
// and flight cost of a flight, the flight time and the ground steps of the
// flight cycle, the plane's maintenance and the route's monthly fee. The
// computation leaves the world as it found it: the cost index and the
// game's random stream are put back afterwards.
#pragma once

#include <cstdint>

class ModelReturn
{
public:
    struct Figures
    {
        int32_t model = -1;
        int32_t source = -1;
        int32_t destination = -1;
        int32_t distance = 0;
        int32_t costIndex = 0;
        // Mean passengers per flight over the take-off draws, capped at the seats.
        int32_t passengers = 0;
        int64_t flightNet = 0;
        int32_t legsPerYear = 0;
        // Ticket income less flight costs, maintenance and the route's fees.
        int64_t yearlyNet = 0;
        int64_t price = 0;
        // yearlyNet as a whole percentage of the price.
        int32_t percent = 0;
        bool Valid() const { return source >= 0; }
    };

    // The model on the route from `source` to its neighbour `destination`
    // at `costIndex`; invalid figures when the destination is no neighbour
    // or lies beyond the model's range.
    static Figures OnRoute(int32_t model, int32_t source, int32_t destination, int32_t costIndex);
    // The best route of the world for the model (the highest yearly net);
    // with `largestOnly`, only routes whose both ends have the largest
    // airport size. Invalid figures when the model reaches none.
    static Figures BestRoute(int32_t model, int32_t costIndex, bool largestOnly);

    // Take-offs drawn for the mean passengers of a flight.
    static constexpr int32_t DRAWS = 40;
};
