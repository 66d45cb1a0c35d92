"""Geography helpers shared by the asset generators: great-circle distance
and the neighbour table of the airport network."""

import math

EARTH_RADIUS_KM = 6371.0088  # mean Earth radius (IUGG)


def great_circle_km(lat1, lon1, lat2, lon2):
    """Great-circle distance by the haversine formula, rounded to whole km."""
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp = p2 - p1
    dl = math.radians(lon2 - lon1)
    h = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return int(round(2 * EARTH_RADIUS_KM * math.asin(min(1.0, math.sqrt(h)))))


def choose_neighbours(coords, sizes, long_links, slots=6):
    """Picks `slots` neighbours for every airport.

    coords: list of (lat, lon); sizes: list of airport sizes; long_links:
    list of (a, b) index pairs that must be linked both ways (the
    ocean links and the busiest short routes). The rest is
    chosen so that links are mutual wherever both ends still have room:
    first the nearest airports (up to four links each), then one longer hop
    to a larger airport 900-4000 km away, then the nearest again within 3000 km. Airports
    left with empty slots (remote ones whose neighbours are all full) take
    their nearest airports one way. Everything is sorted with index
    tie-breaks so the result is the same on every run.
    """
    n = len(coords)
    dist = [[great_circle_km(*coords[i], *coords[j]) for j in range(n)] for i in range(n)]
    links = [[] for _ in range(n)]

    def link(a, b):
        links[a].append(b)
        links[b].append(a)

    for a, b in long_links:
        assert b not in links[a], (a, b)
        link(a, b)
        assert len(links[a]) <= slots and len(links[b]) <= slots, ("more fixed links than slots", a, b)

    pairs = sorted((dist[i][j], i, j) for i in range(n) for j in range(i + 1, n))

    def greedy(cap, accept=lambda d, i, j: True):
        for d, i, j in pairs:
            if len(links[i]) < cap and len(links[j]) < cap and j not in links[i] and accept(d, i, j):
                link(i, j)

    greedy(4, lambda d, i, j: d <= 3000)
    greedy(5, lambda d, i, j: 900 <= d <= 4000 and max(sizes[i], sizes[j]) >= 150)
    greedy(slots, lambda d, i, j: d <= 3000)
    for i in range(n):
        for j in sorted(range(n), key=lambda j: (dist[i][j], j)):
            if len(links[i]) >= slots:
                break
            if j != i and j not in links[i]:
                links[i].append(j)
    # Each airport lists its neighbours from the nearest to the farthest.
    for i in range(n):
        links[i].sort(key=lambda j: (dist[i][j], j))
    return links, dist
