// ContractWarning: what the plane and route screens hand to the notices they
// open.
//
// The notices opened from these screens (the contract warnings before a
// sale or a shut-down, the contract information of a route) read their plane
// and airport from the world's dialog slots, as the notices that events open
// do. Which warning comes before which confirmation is the backend's rule
// (FleetRules::WarningBefore).
#pragma once

#include <cstdint>

class Plane;

class ContractWarning
{
public:
    // Before opening `screen` about `plane`: for a notice, the dialog slots
    // name the plane and the airport of its special flight (if any).
    static void PrepareNotice(int32_t screen, Plane* plane);
};
