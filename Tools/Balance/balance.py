#!/usr/bin/env python3
"""The balance harness: whole games played by scripted players, and the
models' yearly returns, measured through skyreach-sim.

    balance.py --sim build/skyreach-sim --data build/Skyreach.dat [--short] [--check]

Each game is one skyreach-sim process that this program drives through a
pipe, a month at a time: it reads the fleet and the bank's terms and sends
the player's decisions as script commands, so every rule of the game is the
backend's own. Two games run at once. The players:

  careful      up to four planes, each bought only when the cash after it
               keeps a reserve for repairs, for the route that earns most
               among those whose researched demand fills at least 60 % of
               its seats and that return at least a quarter of the price a
               year; medium ticket price and service; damaged planes
               repaired; worn planes (old, damaged ten times, no longer
               serviced) sold, and at each year's review the planes whose
               routes stopped paying; planes that lost their route take the
               best free one or are sold. Demand wears away at every
               airport the company flies from (each incident there takes a
               share of it), so when no route pays any more it researches
               one fresh airport among its home's neighbours a year and
               flies from there.
  expanding    the careful player's rules without the plane limit; it also
               researches up to six airports a year while its cash covers
               the reserve four times over: new neighbours of the airports
               it knows, the largest first, then known airports no route
               uses any more, the most worn first.
  borrowing    the careful player who takes the bank's credit to buy its
               planes sooner
  advertising  the careful player who also runs a campaign at home every
               year it can afford one

The table printed at the end gives, for each player, the share of games
that reached 2003, the median final and peak worth with the peak's median
year, the fleet mix by decade (mean planes of each kind: p propeller and
turboprop, j narrow jet, w wide-body) and the incidents (damages and
crashes) per plane-year. Then every model's yearly return on its price, in
its first year on sale, on its best route and on the best route between two
airports of the largest size (the `returns` command of skyreach-sim, which
asks the backend).

With --check the exit status is 1 when a balance goal fails; each goal is
printed with its figures.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

FIRST_YEAR = 1959
LAST_YEAR = 2003
PLANE_LIMIT_CAREFUL = 4
# Ten home airports on every continent, all of which the game offers as homes.
HOMES = [7, 14, 17, 42, 49, 53, 75, 104, 120, 130]
SEEDS = [1, 2, 3]
SHORT_SEEDS = [1]
# The expected repair bill of one take-off as a share of the plane's price.
# A departure from an airport of medium weather risk damages a plane about
# four times in a thousand (none in the first two months of each year of its
# age, half as often in the next four), and a repair costs about 16 % of the
# price on average (4-23 %, or 10-59 % for one damage in ten); the share
# allows for the damages that make the next more likely and for crashes.
INCIDENT_SHARE_PER_LEG = 0.0008
# A careful player sets up a route only where the researched demand fills at
# least this share of the plane's seats, and buys a plane only when it
# expects it to return at least this share of its price in a year.
MIN_FILL = 0.6
MIN_RETURN = 0.25
# The expanding player researches up to this many new airports a year.
EXPANDING_RESEARCH_PER_YEAR = 6
# A plane with this many damages is worn: each one takes a tenth of its
# value and makes the next more likely.
WORN_DAMAGES = 10


class Sim:
    """One skyreach-sim process driven through its standard input."""

    def __init__(self, sim, data, seed):
        self.proc = subprocess.Popen([sim, "--json", "--seed", str(seed), "--data", data],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        self.count = 0

    def ask(self, *commands):
        """Sends the commands and returns every output record they printed."""
        self.count += 1
        word = "m%d" % self.count
        for c in commands:
            self.proc.stdin.write(c + "\n")
        self.proc.stdin.write("mark %s\n" % word)
        self.proc.stdin.flush()
        records = []
        while True:
            line = self.proc.stdout.readline()
            if not line:
                raise RuntimeError("skyreach-sim stopped while answering %r" % (commands,))
            rec = json.loads(line)
            if rec.get("kind") == "mark" and rec.get("word") == word:
                return records
            records.append(rec)

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()


def kind_of(model):
    """p: propeller or turboprop, j: narrow jet, w: wide-body (twin aisles)."""
    if model["capacity"] >= 220:
        return "w"
    return "j" if model["speed"] >= 700 else "p"


class World:
    """What a player looks up once: airport sizes and neighbours, every model."""

    def __init__(self, sim):
        recs = sim.ask("airports")
        self.size = {r["airport"]: r["size"] for r in recs if r["kind"] == "world_airport"}
        self.home_ok = {r["airport"] for r in recs if r["kind"] == "world_airport" and r["may_be_home"]}
        self.neighbours = {}
        cmds = ["neighbours %d" % a for a in sorted(self.size)]
        for r in sim.ask(*cmds):
            if r["kind"] == "neighbour":
                self.neighbours.setdefault(r["airport"], []).append((r["to"], r["distance"]))


class Player:
    """A scripted player. The subclasses differ in a few decisions."""

    name = "careful"
    plane_limit = PLANE_LIMIT_CAREFUL
    borrows = False
    advertises = False
    expands = False

    def __init__(self, sim, world, home):
        self.sim = sim
        self.world = world
        self.home = home
        self.known = {home}
        self.wants_demand = False
        self.routes_out = {}
        self.models = {}
        self.cost_index = 200
        self.cash = 0
        self.worth = 0
        self.year = FIRST_YEAR
        self.month = 0
        self.planes = []
        self.profit_mark = {}
        self.incidents = 0
        self.plane_months = 0
        self.fleet = {}  # decade -> {kind: plane-months}
        self.peak = (0, FIRST_YEAR)
        self.over = False
        # Why the game ended: "final year" when it reached its last year.
        self.ending = None
        self.demand = {}

    # --- looking -------------------------------------------------------
    def look(self, records, market=False):
        """Takes in the notices and the ending among `records`, then reads
        the fleet and the bank's terms, and with `market` the models (whose
        market changes only while the game runs)."""
        for r in records:
            k = r["kind"]
            if k == "notice" and r["name"] in ("plane damage", "plane crash"):
                self.incidents += 1
            elif k == "gameover":
                self.over = True
                self.ending = r["name"]
        recs = self.sim.ask("planes", "credit", *(["models all"] if market else []))
        self.planes = [r for r in recs if r["kind"] == "plane"]
        bank = [r for r in recs if r["kind"] == "bank"][0]
        self.cash, self.worth = bank["cash"], bank["worth"]
        self.limit, self.may_borrow = bank["limit"], bank["may_borrow"]
        self.credit = bank["credit"]
        if market:
            self.models = {r["model"]: r for r in recs if r["kind"] == "model"}

    def read_report(self):
        # The airports the company has details for: a record left without
        # routes and office for a year is dropped, and may be researched
        # afresh.
        self.demand = {}
        for r in self.sim.ask("report"):
            if r["kind"] == "company":
                self.cost_index = r["cost_index"]
                if r["gameover"]:
                    self.over = True
            elif r["kind"] == "airport":
                self.demand[r["airport"]] = {int(k): v for k, v in r["demand"].items()}
                self.routes_out[r["airport"]] = r["routes_out"]
        self.known = set(self.demand) | {self.home}

    # --- judging --------------------------------------------------------
    def estimate(self, model, source, dest, distance):
        """The player's rough yearly net of a new plane on a route, in the
        game's money: seats filled up to the researched demand, the ticket
        and cost rules as the manual explains them, legs from the flight time."""
        m = self.models[model]
        if m["range"] < distance:
            return None
        demand = self.demand.get(source, {}).get(dest)
        if demand is None:
            return None
        if demand < MIN_FILL * m["capacity"]:
            return None
        n = min(m["capacity"], demand * 95 // 100)
        root = int(distance ** 0.5)
        per_leg = (6 * n * root - 6 * root // 10 * n - 3 * m["capacity"] * root) * self.cost_index / 1000
        legs = 525600 / (distance / m["speed"] * 60 + 720)
        # Damages and crashes come with take-offs and cost a share of the
        # price: about three thousandths of it a leg, as played games show.
        return (per_leg - INCIDENT_SHARE_PER_LEG * m["price"]) * legs - 12 * m["upkeep"]

    def best_purchase(self, budget, sources):
        best = None
        for source, dest, distance in self.free_routes(sources):
            for model, m in self.models.items():
                if m["market"] != "on sale" or m["price"] > budget:
                    continue
                value = self.estimate(model, source, dest, distance)
                if value is None or value < MIN_RETURN * m["price"]:
                    continue
                # The most money a year, not the best ratio: the careful
                # player keeps few planes, so each should earn as much as
                # its route allows; longer routes win ties through the fare.
                score = value
                if best is None or score > best[0]:
                    best = (score, model, source, dest)
        return best

    def free_routes(self, sources):
        """The pairs a new route may join: one route serves a pair of airports."""
        served = set()
        for p in self.planes:
            if p["from"] >= 0:
                served.add((p["from"], p["to"]))
                served.add((p["to"], p["from"]))
        for source in sources:
            if self.routes_out.get(source, 0) >= 4:
                continue
            for dest, distance in self.world.neighbours[source]:
                if (source, dest) not in served:
                    yield source, dest, distance

    def assign_idle(self):
        """Every plane left without a route (its route closed by a state of
        emergency, or refused while an airport was closed) takes the best
        free route it reaches, or is sold when none pays."""
        idle = [p for p in self.planes if p["from"] < 0]
        for p in idle:
            options = [(self.estimate(p["model"], s, d, dist) or -1, s, d)
                       for s, d, dist in self.free_routes(sorted(self.known))]
            options = [o for o in options if o[0] > 0]
            recs = []
            if options:
                _, s, d = max(options)
                recs = self.sim.ask("route %d %d %d 1 1" % (p["id"], s, d))
            if not options or (any(r["kind"] == "refused" for r in recs) and self.month == 11):
                self.sim.ask("sell %d" % p["id"])
            self.read_report()
            self.look([])

    def worn(self, p):
        """Old, or of a model whose repairs are no longer offered, or left
        damaged (the repair was refused for want of cash or service), or
        damaged often."""
        m = self.models[p["model"]]
        return (p["age"] >= 18 or p["damages"] >= WORN_DAMAGES or m["market"] == "not sold"
                or p["damaged"])

    # --- acting ---------------------------------------------------------
    def reserve(self):
        """Cash kept back for repairs, which cost a share of a plane's price
        and come often: a third of what the fleet cost, and never less than a
        small sum in the money of the day."""
        fleet = sum(self.models[p["model"]]["price"] for p in self.planes)
        return max(60000 * self.cost_index // 200, fleet // 3)

    def act_yearly(self):
        if self.advertises:
            self.sim.ask("advertise %d 80" % self.home)
        if self.expands:
            self.research_more(EXPANDING_RESEARCH_PER_YEAR)
        elif self.wants_demand:
            # Demand wears away at every airport the company flies from; a
            # careful player whose planes found no paying route this year
            # researches one fresh airport among its home's neighbours.
            self.research_more(1, [self.home])
        self.wants_demand = False

    def research_more(self, count, around=None):
        """Researches up to `count` airports among the neighbours of `around`
        (by default every airport the company knows), while the cash covers
        the reserve four times over: first airports it has no details for,
        the largest first, then known airports that no route uses any more,
        the most worn demand first (the game refuses a research while the
        details are fresh; such a refusal is skipped)."""
        used = {p["from"] for p in self.planes} | {p["to"] for p in self.planes}
        fresh, worn = set(), set()
        for a in around or sorted(self.known):
            for d, _ in self.world.neighbours[a]:
                if d not in self.known:
                    fresh.add(d)
                elif d not in used and d != self.home:
                    worn.add(d)
        order = sorted(fresh, key=lambda d: (-self.world.size[d], d))
        order += sorted(worn, key=lambda d: (sum(self.demand.get(d, {}).values()), d))
        for dest in order:
            if count <= 0 or self.cash <= 4 * self.reserve():
                return
            recs = self.sim.ask("research %d" % dest)
            if not any(r["kind"] == "refused" for r in recs):
                count -= 1
                self.read_report()
                self.look([])

    def pays(self, p):
        """Whether a plane's route still pays: it earned more than it cost
        over the last year, and the demand researched at its source still
        fills enough of its seats to pay in the coming one."""
        earned = p["profit"] - self.profit_mark.get(p["id"], p["profit"])
        if p["id"] in self.profit_mark and earned < 0:
            return False
        distance = dict(self.world.neighbours[p["from"]]).get(p["to"])
        value = self.estimate(p["model"], p["from"], p["to"], distance) if distance else None
        return value is not None and value > 0

    def sell_bad(self):
        """Sells worn planes at once and, at the year's review, the planes
        whose routes stopped paying (demand wears away with every incident
        at an airport), so that the money they would lose stays in the
        bank; a new plane then takes the best route the demand still fills."""
        for p in list(self.planes):
            review = self.month == 11 and p["from"] >= 0
            if self.worn(p) or (review and not self.pays(p)):
                self.sim.ask("sell %d" % p["id"])
                self.profit_mark.pop(p["id"], None)
                self.planes = [q for q in self.planes if q["id"] != p["id"]]
            elif review:
                self.profit_mark[p["id"]] = p["profit"]

    def buy(self):
        for _ in range(3):
            if not self.expands and len(self.planes) >= self.plane_limit:
                return
            budget = self.cash - self.reserve()
            if self.borrows and self.may_borrow and self.credit == 0 and self.limit > 0:
                self.sim.ask("credit %d" % self.limit)
                self.look([])
                budget = self.cash - self.reserve()
            choice = self.best_purchase(budget, sorted(self.known))
            if choice is None:
                self.wants_demand = True
                return
            _, model, source, dest = choice
            recs = self.sim.ask("buy %d" % model)
            bought = [r for r in recs if r["kind"] == "buy"]
            if not bought:
                return
            pid = bought[0]["plane"]
            # An airport closed by an incident takes no new route: the plane
            # waits for the next month's assignment.
            self.sim.ask("route %d %d %d 1 1" % (pid, source, dest))
            self.read_report()
            self.look([])

    def record_month(self):
        decade = (self.year // 10) * 10
        mix = self.fleet.setdefault(decade, {"p": 0, "j": 0, "w": 0, "months": 0})
        mix["months"] += 1
        for p in self.planes:
            mix[kind_of(self.models[p["model"]])] += 1
        self.plane_months += len(self.planes)
        if self.worth > self.peak[0]:
            self.peak = (self.worth, self.year)

    def play(self, name):
        recs = self.sim.ask('new "%s" %d' % (name, self.home))
        if any(r["kind"] == "refused" for r in recs):
            raise RuntimeError("home %d refused: %r" % (self.home, recs))
        self.sim.ask("answer 46 replace")
        self.read_report()
        self.look([], market=True)
        worth_by_year = {}
        for year in range(FIRST_YEAR, LAST_YEAR):
            self.year = year
            for month in range(12):
                self.month = month
                last = month == 11
                records = self.sim.ask("until %d" % (year + 1) if last else "run %d" % 30)
                self.look(records, market=True)
                if self.over:
                    break
                self.read_report()
                self.sell_bad()
                self.look([])
                self.assign_idle()
                self.buy()
                self.record_month()
            if self.over and self.ending != "final year":
                break
            worth_by_year[year + 1] = self.worth
            if self.over:
                break
            self.act_yearly()
        survived = self.ending == "final year"
        return {
            "survived": survived,
            "final": self.worth if survived else min(self.worth, 0),
            "peak": self.peak,
            "worth_1993": worth_by_year.get(1993),
            "worth_2003": worth_by_year.get(2003),
            "fleet": self.fleet,
            "incidents_per_plane_year": self.incidents / (self.plane_months / 12) if self.plane_months else 0.0,
        }


class Expanding(Player):
    name = "expanding"
    expands = True


class Borrowing(Player):
    name = "borrowing"
    borrows = True


class Advertising(Player):
    name = "advertising"
    advertises = True


PLAYERS = {c.name: c for c in (Player, Expanding, Borrowing, Advertising)}


def play_one(args, player_name, home, seed):
    sim = Sim(args.sim, args.data, seed)
    try:
        world = World(sim)
        player = PLAYERS[player_name](sim, world, home)
        result = player.play("Balance %d" % seed)
    finally:
        sim.close()
    result.update(player=player_name, home=home, seed=seed)
    return result


def returns(args):
    sim = Sim(args.sim, args.data, 1)
    try:
        return [r for r in sim.ask("returns") if r["kind"] == "model_return"]
    finally:
        sim.close()


def money(v):
    if v is None:
        return "-"
    return "%.1fM" % (v / 1e6)


def games_table(results):
    lines = []
    lines.append("%-12s %6s %9s %9s %9s %5s  %-40s %9s" % (
        "player", "games", "survived", "final", "peak", "year", "fleet by decade (p/j/w)", "incidents"))
    for name in PLAYERS:
        rs = [r for r in results if r["player"] == name]
        if not rs:
            continue
        survived = sum(r["survived"] for r in rs)
        final = statistics.median(r["final"] for r in rs)
        peak = statistics.median(r["peak"][0] for r in rs)
        peak_year = int(statistics.median(r["peak"][1] for r in rs))
        mixes = []
        for decade in range(1950, 2010, 10):
            months = sum(r["fleet"].get(decade, {}).get("months", 0) for r in rs)
            if not months:
                continue
            mix = "/".join("%.1f" % (sum(r["fleet"].get(decade, {}).get(k, 0) for r in rs) / months)
                           for k in "pjw")
            mixes.append("%02d:%s" % (decade % 100, mix))
        incidents = statistics.mean(r["incidents_per_plane_year"] for r in rs)
        lines.append("%-12s %6d %8.0f%% %9s %9s %5d  %-40s %9.2f" % (
            name, len(rs), 100.0 * survived / len(rs), money(final), money(peak), peak_year, " ".join(mixes),
            incidents))
    return lines


def returns_table(rows):
    lines = ["%-3s %-38s %4s %10s %5s %8s %6s %-9s %6s %-9s %6s" % (
        "#", "model", "year", "price", "seats", "per seat", "index", "best", "return", "largest", "return")]
    for r in rows:
        lines.append("%-3d %-38s %4d %10d %5d %8d %6d %4d-%-4d %5d%% %4d-%-4d %5s" % (
            r["model"], r["name"], r["intro"], r["price"], r["capacity"], r["price_per_seat"], r["cost_index"],
            r["from"], r["to"], r["percent"], r["largest_from"], r["largest_to"],
            ("%d%%" % r["largest_percent"]) if r["largest_from"] >= 0 else "-"))
    return lines


def goals(results, rows):
    """Each balance goal with whether it holds and its figures."""
    out = []
    careful = [r for r in results if r["player"] == "careful"]
    share = sum(r["survived"] for r in careful) / len(careful) if careful else 0
    out.append((share >= 0.9, "careful start survives to %d in %.0f%% of %d games (goal 90%%)" % (
        LAST_YEAR, share * 100, len(careful))))
    expanding = [r for r in results if r["player"] == "expanding"]
    if expanding:
        grew = [r for r in expanding if r["worth_2003"] is not None and r["worth_1993"] is not None
                and r["worth_2003"] > r["worth_1993"]]
        out.append((len(grew) * 2 > len(expanding), "expanding company grows in its last decade in %d of %d games" % (
            len(grew), len(expanding))))
    for decade in range(1950, 2000, 10):
        paying = [r for r in rows if max(r["intro"], FIRST_YEAR) // 10 * 10 == decade and r["percent"] >= 25]
        out.append((len(paying) >= 3, "%ds: %d models return 25%% a year or more (goal 3)" % (decade, len(paying))))
    biggest = sorted(rows, key=lambda r: -r["capacity"])[:5]
    paying_big = [r for r in biggest if r["largest_from"] >= 0 and r["largest_percent"] > 0]
    out.append((len(paying_big) == len(biggest), "largest types paying between the largest airports: %s" % (
        ", ".join("%s %s" % (r["name"], ("%d%%" % r["largest_percent"]) if r["largest_from"] >= 0 else "-")
                  for r in biggest))))
    cheap = []
    for r in rows:
        year = max(r["intro"], FIRST_YEAR)
        on_sale = [o for o in rows if max(o["intro"], FIRST_YEAR) <= year < max(o["withdrawal"], year + 1)]
        median = statistics.median(o["price_per_seat"] for o in on_sale)
        if r["price_per_seat"] * 2 < median:
            cheap.append("%s (%d, median %d)" % (r["name"], r["price_per_seat"], median))
    out.append((not cheap, "no seat below half the median price per seat of its first year%s" % (
        ": " + "; ".join(cheap) if cheap else "")))
    affordable = [r for r in rows if r["intro"] <= FIRST_YEAR and r["withdrawal"] > FIRST_YEAR and r["price"] <= 500000]
    out.append((len(affordable) >= 5, "1959 market: %d models within the starting cash (goal 5)" % len(affordable)))
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sim", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--short", action="store_true",
                        help="every careful game, and the expanding player on three homes with one seed")
    parser.add_argument("--check", action="store_true", help="exit 1 when a goal fails")
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()

    # Careful games are quick, and their goal counts every (home, seed)
    # pair: the short version plays them all too, and cuts the others.
    seeds = SHORT_SEEDS if args.short else SEEDS
    games = [("careful", h, s) for h in HOMES for s in SEEDS]
    others = ["expanding"] if args.short else ["expanding", "borrowing", "advertising"]
    for name in others:
        games += [(name, h, s) for h in (HOMES[:3] if args.short else HOMES[:5]) for s in seeds[:2]]
    with ThreadPoolExecutor(max_workers=args.jobs) as pool:
        results = list(pool.map(lambda g: play_one(args, *g), games))
    rows = returns(args)

    print("\n".join(games_table(results)))
    print()
    print("\n".join(returns_table(rows)))
    print()
    checks = goals(results, rows)
    for ok, text in checks:
        print("%s %s" % ("ok  " if ok else "FAIL", text))
    if args.check and not all(ok for ok, _ in checks):
        sys.exit(1)


if __name__ == "__main__":
    main()
