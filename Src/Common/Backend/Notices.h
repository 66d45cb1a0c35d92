// Notices: the numbers of every game screen, the notice screens that events
// open among them, and the reasons a game can end.
//
// The navigation form builds a screen from its number; an event that needs
// the player's attention stores its subject in the world's dialog slots and
// passes a notice number to the installed NoticeSink, which the navigation
// form turns into that screen and the headless simulation into a scripted
// answer. The numbers are saved with the game ("_pf", "_rf", ...), so they
// must never change. Screens is the whole table; Notices names the numbers
// the simulation itself opens.
#pragma once

#include <cstdint>

struct Screens
{
    static constexpr int32_t MAIN_MENU = 0;
    static constexpr int32_t NEW_GAME = 1;
    static constexpr int32_t COMPANY_NAME = 2;
    static constexpr int32_t AIRPORT_SELECTION = 3;
    static constexpr int32_t BANK = 4;
    static constexpr int32_t PLANES = 5;
    static constexpr int32_t AIRPORTS = 6;
    static constexpr int32_t STATISTICS = 7;
    static constexpr int32_t OBTAIN_CREDIT = 8;
    static constexpr int32_t REPAY_CREDIT = 9;
    static constexpr int32_t CHANGE_RATE = 10;
    static constexpr int32_t CREDIT_FINE = 11;
    static constexpr int32_t PLANE_DETAILS = 12;
    static constexpr int32_t PLANE_BUYING = 13;
    static constexpr int32_t PLANE_NAME = 14;
    static constexpr int32_t SELL_PLANE = 15;
    static constexpr int32_t SHUT_DOWN = 16;
    static constexpr int32_t ROUTE_EDIT = 17;
    static constexpr int32_t STARTING_AIRPORT = 18;
    static constexpr int32_t DESTINATION_AIRPORT = 19;
    static constexpr int32_t NO_DESTINATION = 20;
    static constexpr int32_t REPAIR_PLANE = 21;
    static constexpr int32_t REPAIR_CANNOT_AFFORD = 22;
    static constexpr int32_t ROUTE_SETTINGS = 23;
    static constexpr int32_t REPLACE_PLANE = 24;
    static constexpr int32_t AIRPORT_DETAILS = 25;
    static constexpr int32_t DEMAND_INFO = 26;
    static constexpr int32_t RISK_INFO = 27;
    static constexpr int32_t RESEARCH = 28;
    static constexpr int32_t RESEARCH_CANNOT_AFFORD = 29;
    static constexpr int32_t RESEARCH_NOT_NEEDED = 30;
    static constexpr int32_t ADVERTISING = 31;
    static constexpr int32_t BUY_OFFICE = 32;
    static constexpr int32_t BUY_OFFICE_CANNOT_AFFORD = 33;
    static constexpr int32_t SELL_OFFICE = 34;
    static constexpr int32_t REALLY_RETIRE = 35;
    static constexpr int32_t HIGHSCORE_ENTRY = 36;
    static constexpr int32_t GAME_ENDED = 37;
    // "Game over": the number is the reason.
    static constexpr int32_t GAME_OVER_RETIRED = 38;
    static constexpr int32_t GAME_OVER_BANKRUPTCY = 39;
    static constexpr int32_t GAME_OVER_HALF_OF_ROUTES = 40;
    static constexpr int32_t GAME_OVER_FINAL_YEAR = 41;
    static constexpr int32_t GAME_OVER_LAST_PLANE = 42;
    static constexpr int32_t TIME_AND_CASH = 43;
    static constexpr int32_t NOTHING = 44;
    // Event notices, 45 to 92.
    static constexpr int32_t FIRST_NOTICE = 45;
    static constexpr int32_t PLANE_DAMAGE = 45;
    static constexpr int32_t PLANE_CRASH = 46;
    static constexpr int32_t NEW_MODEL = 47;
    static constexpr int32_t MODEL_WITHDRAWAL = 48;
    static constexpr int32_t BOMB_THREAT = 49;
    static constexpr int32_t BAD_WEATHER = 50;
    static constexpr int32_t BAD_WEATHER_2 = 51;
    static constexpr int32_t HIJACKING = 52;
    static constexpr int32_t SMUGGLING_OFFER = 53;
    static constexpr int32_t SMUGGLING_DETECTED = 54;
    static constexpr int32_t STAFF_STRIKE = 55;
    static constexpr int32_t ROUTE_OFFER = 56;
    static constexpr int32_t ROUTE_OFFER_INFO = 57;
    static constexpr int32_t ROUTE_OFFER_EXPIRED = 58;
    static constexpr int32_t ROUTE_AWARD = 59;
    static constexpr int32_t AGENCY_OFFER = 60;
    static constexpr int32_t AGENCY_SHORT_OF_SEATS = 61;
    static constexpr int32_t AGENCY_DEMAND_FALLEN = 62;
    static constexpr int32_t CONTRACT_INFO = 63;
    static constexpr int32_t CHARITY_OFFER = 64;
    static constexpr int32_t CHARITY_OFFER_INFO = 65;
    static constexpr int32_t CHARITY_ASSIGN = 66;
    static constexpr int32_t CHARITY_ASSIGNED = 67;
    static constexpr int32_t CHARITY_WARNING = 68;
    static constexpr int32_t CHARITY_WARNING_2 = 69;
    static constexpr int32_t CHARITY_NO_PLANE = 70;
    static constexpr int32_t CHARITY_NO_PLANE_2 = 71;
    static constexpr int32_t CHARITY_EXPIRED = 72;
    static constexpr int32_t VIP_OFFER = 73;
    static constexpr int32_t VIP_OFFER_INFO = 74;
    static constexpr int32_t VIP_ASSIGN = 75;
    static constexpr int32_t VIP_ASSIGNED = 76;
    static constexpr int32_t VIP_WARNING = 77;
    static constexpr int32_t VIP_WARNING_2 = 78;
    static constexpr int32_t VIP_NO_PLANE = 79;
    static constexpr int32_t VIP_NO_PLANE_2 = 80;
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
    static constexpr int32_t LAST_NOTICE = 92;
    static constexpr int32_t LAST_SCREEN = 92;
};

// The numbers the simulation opens itself, by their Screens names.
struct Notices
{
    static constexpr int32_t CHANGE_RATE = Screens::CHANGE_RATE;
    static constexpr int32_t CREDIT_FINE = Screens::CREDIT_FINE;

    static constexpr int32_t GAME_OVER_BANKRUPTCY = Screens::GAME_OVER_BANKRUPTCY;
    static constexpr int32_t GAME_OVER_HALF_OF_ROUTES = Screens::GAME_OVER_HALF_OF_ROUTES;
    static constexpr int32_t GAME_OVER_FINAL_YEAR = Screens::GAME_OVER_FINAL_YEAR;
    static constexpr int32_t GAME_OVER_LAST_PLANE = Screens::GAME_OVER_LAST_PLANE;

    static constexpr int32_t PLANE_DAMAGE = Screens::PLANE_DAMAGE;
    static constexpr int32_t PLANE_CRASH = Screens::PLANE_CRASH;
    static constexpr int32_t NEW_MODEL = Screens::NEW_MODEL;
    static constexpr int32_t MODEL_WITHDRAWAL = Screens::MODEL_WITHDRAWAL;
    static constexpr int32_t BAD_WEATHER = Screens::BAD_WEATHER;
    static constexpr int32_t SMUGGLING_OFFER = Screens::SMUGGLING_OFFER;
    static constexpr int32_t SMUGGLING_DETECTED = Screens::SMUGGLING_DETECTED;
    static constexpr int32_t STAFF_STRIKE = Screens::STAFF_STRIKE;
    static constexpr int32_t ROUTE_OFFER = Screens::ROUTE_OFFER;
    static constexpr int32_t ROUTE_OFFER_EXPIRED = Screens::ROUTE_OFFER_EXPIRED;
    static constexpr int32_t AGENCY_OFFER = Screens::AGENCY_OFFER;
    static constexpr int32_t AGENCY_SHORT_OF_SEATS = Screens::AGENCY_SHORT_OF_SEATS;
    static constexpr int32_t AGENCY_DEMAND_FALLEN = Screens::AGENCY_DEMAND_FALLEN;
    static constexpr int32_t CHARITY_OFFER = Screens::CHARITY_OFFER;
    static constexpr int32_t CHARITY_ASSIGN = Screens::CHARITY_ASSIGN;
    static constexpr int32_t CHARITY_NO_PLANE = Screens::CHARITY_NO_PLANE;
    static constexpr int32_t CHARITY_EXPIRED = Screens::CHARITY_EXPIRED;
    static constexpr int32_t VIP_OFFER = Screens::VIP_OFFER;
    static constexpr int32_t VIP_ASSIGN = Screens::VIP_ASSIGN;
    static constexpr int32_t VIP_NO_PLANE = Screens::VIP_NO_PLANE;
    static constexpr int32_t VIP_EXPIRED = Screens::VIP_EXPIRED;
    static constexpr int32_t THUNDERSTORM = Screens::THUNDERSTORM;
    static constexpr int32_t STRONG_WIND = Screens::STRONG_WIND;
    static constexpr int32_t THICK_FOG = Screens::THICK_FOG;
    static constexpr int32_t MANEUVERS = Screens::MANEUVERS;
    static constexpr int32_t BIRTH_IN_AIR = Screens::BIRTH_IN_AIR;
    static constexpr int32_t HEART_ATTACK = Screens::HEART_ATTACK;
    static constexpr int32_t FOOD_POISONING = Screens::FOOD_POISONING;
    static constexpr int32_t EMERGENCY_STATE = Screens::EMERGENCY_STATE;
    static constexpr int32_t ECONOMY_GROWS = Screens::ECONOMY_GROWS;
    static constexpr int32_t ECONOMY_FALLS = Screens::ECONOMY_FALLS;
    static constexpr int32_t ECONOMY_LEVELS = Screens::ECONOMY_LEVELS;
};
