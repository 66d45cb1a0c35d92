#!/usr/bin/python3
"""Writes Data/Tables/planemodels.csv: the real types of model_list.py with
the price and seats the game gives them.

The balance rule
----------------

The game's income grows with its cost index, which starts at 200 in 1959
and rises by 2 every month (1256 in 2003); a plane's price does not. A
ticket's income is the same for every seat, whatever the type, and a flight
fills only as many seats as the demand between its two airports gives (at
most about 180 passengers between the two largest airports). Real prices per
seat grew much faster than the game's income and the largest real cabins
hold twice what any route of the game fills. So the table does not carry the
real figures unchanged:

1. Seats are the seats the type flew with in its first year: the typical
   cabin times the average load factor of the scheduled airlines of that
   year (LOAD_FACTORS, the share of seats sold; about 60 % in 1959, a low of
   about 50 % around 1970, 72 % by 2000). A game plane flies full when the
   demand allows, as the real type carried its average load.
2. The price of a seat follows the game's own price level: SEAT_PRICE_1959
   dollars at the starting index 200, scaled by the cost index of the
   model's first year, so a new type costs the same number of months of
   ticket income whenever it appears. That number is about two: a full seat
   on a 1000-km route takes about $1,900 of fares a month at the 1959 index
   (a $37 ticket on some 52 legs). Shorter payback would make planes
   trivial; longer leaves a small airline no margin, because the game's
   damages come with the take-offs whatever the plane earns, and their
   repairs cost a share of its price: about a third of it a year for a
   plane flying from an airport of medium weather risk. The balance
   harness (Tools/Balance) measures the result in whole games.
3. A type's own price factor keeps the real market's order: its real list
   price per seat divided by the median of the models on sale in its first
   year, held between 0.6 and 1.6 so that no type is a bargain nobody else
   can match nor a ruin nobody would buy.

price = seats x SEAT_PRICE_1959 x index(first year) / 200 x factor, rounded
to three significant digits. The intro and withdrawal years, speeds, ranges
and support months are the real ones.
"""

import csv
import os
import statistics

import model_list

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

FIRST_YEAR = 1959
START_INDEX = 200
MONTHLY_INDEX_RISE = 2
SEAT_PRICE_1959 = 3500
FACTOR_LOW, FACTOR_HIGH = 0.6, 1.6

# Passenger load factor of the scheduled airlines (share of seats sold),
# approximate yearly averages of the large carriers; linear between the years.
LOAD_FACTORS = [
    (1959, 0.60), (1965, 0.55), (1970, 0.50), (1975, 0.54), (1980, 0.59),
    (1985, 0.61), (1990, 0.62), (1995, 0.67), (2000, 0.72), (2003, 0.74),
]


def cost_index(year):
    """The game's base cost index on 1 January of the year."""
    return START_INDEX + MONTHLY_INDEX_RISE * 12 * (max(year, FIRST_YEAR) - FIRST_YEAR)


def load_factor(year):
    year = max(year, FIRST_YEAR)
    for (y0, f0), (y1, f1) in zip(LOAD_FACTORS, LOAD_FACTORS[1:]):
        if y0 <= year <= y1:
            return f0 + (f1 - f0) * (year - y0) / (y1 - y0)
    return LOAD_FACTORS[-1][1]


def three_digits(value):
    digits = len(str(int(value)))
    step = 10 ** max(digits - 3, 0)
    return int(round(value / step) * step)


def on_sale(model, year):
    _, _, intro, withdrawal, *_ = model
    return intro <= year and (withdrawal > year or intro <= FIRST_YEAR == year)


def game_figures(models):
    """(price, seats) of every model by the balance rule."""
    out = []
    for m in models:
        _, _, intro, _, list_price, _, _, seats, _ = m
        year = max(intro, FIRST_YEAR)
        market = [o for o in models if on_sale(o, year)] or [m]
        median = statistics.median(o[4] / o[7] for o in market)
        factor = min(max(list_price / seats / median, FACTOR_LOW), FACTOR_HIGH)
        game_seats = max(4, int(round(seats * load_factor(year))))
        price = game_seats * SEAT_PRICE_1959 * cost_index(year) / START_INDEX * factor
        out.append((three_digits(price), game_seats))
    return out


def main():
    models = model_list.MODELS
    figures = game_figures(models)
    out = os.path.join(ROOT, "Data", "Tables", "planemodels.csv")
    with open(out, "w", newline="", encoding="ascii") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["index", "maker", "name", "intro_year", "withdrawal_year", "price", "speed_kmh", "range_km",
                    "seats", "support_months"])
        for i, (m, (price, seats)) in enumerate(zip(models, figures)):
            maker, name, intro, withdrawal, _, speed, rng, _, support = m
            w.writerow([i, maker, name, intro, withdrawal, price, speed, rng, seats, support])
    print("wrote", out)


if __name__ == "__main__":
    main()
