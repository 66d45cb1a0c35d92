// Notices: the numbers of the notice screens that events open, and the
// reasons a game can end.
//
// An event that needs the player's attention stores its subject in the
// world's dialog slots and passes one of these numbers to the installed
// NoticeSink; the form changer turns the number into a screen, the headless
// simulation into a scripted answer. The numbers are the form changer's form
// numbers, so they must not change.
#pragma once

#include <cstdint>

struct Notices
{
    // Bank screens opened by the credit installment.
    static constexpr int32_t CHANGE_RATE = 10;
    static constexpr int32_t CREDIT_FINE = 11;

    // Game-over reasons.
    static constexpr int32_t GAME_OVER_BANKRUPTCY = 39;
    static constexpr int32_t GAME_OVER_FINAL_YEAR = 41;

    static constexpr int32_t PLANE_DAMAGE = 45;
    static constexpr int32_t PLANE_CRASH = 46;
    static constexpr int32_t NEW_MODEL = 47;
    static constexpr int32_t MODEL_WITHDRAWAL = 48;
    static constexpr int32_t BAD_WEATHER = 50;
    static constexpr int32_t SMUGGLING_OFFER = 53;
    static constexpr int32_t SMUGGLING_DETECTED = 54;
    static constexpr int32_t STAFF_STRIKE = 55;
    static constexpr int32_t ROUTE_OFFER = 56;
    static constexpr int32_t ROUTE_OFFER_EXPIRED = 58;
    static constexpr int32_t AGENCY_OFFER = 60;
    static constexpr int32_t AGENCY_SHORT_OF_SEATS = 61;
    static constexpr int32_t AGENCY_DEMAND_FALLEN = 62;
    static constexpr int32_t CHARITY_OFFER = 64;
    static constexpr int32_t CHARITY_ASSIGN = 66;
    static constexpr int32_t CHARITY_NO_PLANE = 70;
    static constexpr int32_t CHARITY_EXPIRED = 72;
    static constexpr int32_t VIP_OFFER = 73;
    static constexpr int32_t VIP_ASSIGN = 75;
    static constexpr int32_t VIP_NO_PLANE = 79;
    static constexpr int32_t VIP_EXPIRED = 81;
    static constexpr int32_t THUNDERSTORM = 82;
    static constexpr int32_t STRONG_WIND = 83;
    static constexpr int32_t THICK_FOG = 84;
    static constexpr int32_t MANEUVERS = 85;
    static constexpr int32_t BIRTH_IN_AIR = 86;
    static constexpr int32_t HEART_ATTACK = 87;
    static constexpr int32_t FOOD_POISONING = 88;
    static constexpr int32_t EMERGENCY_STATE = 89;
    static constexpr int32_t ECONOMY_GROWS = 90;
    static constexpr int32_t ECONOMY_FALLS = 91;
    static constexpr int32_t ECONOMY_LEVELS = 92;
};
