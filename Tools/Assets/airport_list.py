"""The airports of the game world, hand-picked.

Each entry: IATA code (used to look the coordinates up in the OpenFlights
data), continent map, short name (city, at most 19 characters), full name
(at most 59), country (at most 19), size (50..250 by real importance in the
game's era, 1959-2002) and, for an airport that closed long ago and is not in
the OpenFlights data, its coordinates as (latitude, longitude).

Names are those of 1959, the year the game starts: the places, countries and
airports as a traveller of that year knew them (Leopoldville, Belgian Congo;
Rangoon, Burma; Salisbury, Southern Rhodesia; Leningrad and Tashkent in the
Soviet Union; Prague in Czechoslovakia; West Germany). Each airport is the
site that served its city in 1959 (Kai Tak, Paya Lebar, Kemajoran, Riem,
Stapleton, Love Field, Congonhas, Idlewild under its name of the time), or
for a city that had none yet the first one it opened. The order here is the
order of the airport indexes in the data file and must never change once
saved games exist.
"""

# Continent indexes as the map statistics screen numbers its maps.
AFRICA, ASIA, AUSTRALIA, EUROPE, NAMERICA, SAMERICA = range(6)
CONTINENT_NAMES = ["Africa", "Asia", "Australia", "Europe", "N America", "S America"]

AIRPORTS = [
    # Europe
    ("LHR", EUROPE, "London", "London Heathrow Airport", "United Kingdom", 250),
    ("ORY", EUROPE, "Paris", "Paris Orly Airport", "France", 250),
    ("FRA", EUROPE, "Frankfurt", "Frankfurt Rhein-Main Airport", "West Germany", 250),
    ("AMS", EUROPE, "Amsterdam", "Amsterdam Schiphol Airport", "Netherlands", 200),
    ("CIA", EUROPE, "Rome", "Rome Ciampino Airport", "Italy", 200),
    ("MAD", EUROPE, "Madrid", "Madrid Barajas Airport", "Spain", 200),
    ("VKO", EUROPE, "Moscow", "Moscow Vnukovo Airport", "Soviet Union", 200),
    ("ZRH", EUROPE, "Zurich", "Zurich Kloten Airport", "Switzerland", 150),
    ("CPH", EUROPE, "Copenhagen", "Copenhagen Kastrup Airport", "Denmark", 150),
    ("BRU", EUROPE, "Brussels", "Brussels Zaventem Airport", "Belgium", 150),
    ("VIE", EUROPE, "Vienna", "Vienna Schwechat Airport", "Austria", 150),
    ("BMA", EUROPE, "Stockholm", "Stockholm Bromma Airport", "Sweden", 150),
    ("MUC", EUROPE, "Munich", "Munich Riem Airport", "West Germany", 150, (48.1311, 11.6906)),
    ("MXP", EUROPE, "Milan", "Milan Malpensa Airport", "Italy", 150),
    ("HEW", EUROPE, "Athens", "Athens Hellinikon Airport", "Greece", 150),
    ("IST", EUROPE, "Istanbul", "Istanbul Yesilkoy Airport", "Turkey", 150),
    ("HAM", EUROPE, "Hamburg", "Hamburg Fuhlsbuettel Airport", "West Germany", 100),
    ("DUB", EUROPE, "Dublin", "Dublin Collinstown Airport", "Ireland", 100),
    ("SNN", EUROPE, "Shannon", "Shannon Airport", "Ireland", 100),
    ("LIS", EUROPE, "Lisbon", "Lisbon Portela Airport", "Portugal", 100),
    ("BCN", EUROPE, "Barcelona", "Barcelona El Prat Airport", "Spain", 100),
    ("GVA", EUROPE, "Geneva", "Geneva Cointrin Airport", "Switzerland", 100),
    ("FBU", EUROPE, "Oslo", "Oslo Fornebu Airport", "Norway", 100),
    ("HEL", EUROPE, "Helsinki", "Helsinki Seutula Airport", "Finland", 100),
    ("WAW", EUROPE, "Warsaw", "Warsaw Okecie Airport", "Poland", 100),
    ("PRG", EUROPE, "Prague", "Prague Ruzyne Airport", "Czechoslovakia", 100),
    ("BUD", EUROPE, "Budapest", "Budapest Ferihegy Airport", "Hungary", 100),
    ("THF", EUROPE, "Berlin", "Berlin Tempelhof Airport", "West Germany", 100),
    ("MAN", EUROPE, "Manchester", "Manchester Ringway Airport", "United Kingdom", 100),
    ("NCE", EUROPE, "Nice", "Nice Cote d'Azur Airport", "France", 100),
    ("LED", EUROPE, "Leningrad", "Leningrad Shosseynaya Airport", "Soviet Union", 100),
    ("KEF", EUROPE, "Reykjavik", "Keflavik Airport", "Iceland", 50),
    ("BEG", EUROPE, "Belgrade", "Belgrade Zemun Airport", "Yugoslavia", 50, (44.8300, 20.3800)),
    ("BBU", EUROPE, "Bucharest", "Bucharest Baneasa Airport", "Romania", 50),
    ("GLA", EUROPE, "Glasgow", "Glasgow Renfrew Airport", "United Kingdom", 50, (55.8703, -4.4083)),
    # North America, Central America and the Caribbean
    ("JFK", NAMERICA, "New York", "New York Idlewild International Airport", "United States", 250),
    ("ORD", NAMERICA, "Chicago", "Chicago O'Hare International Airport", "United States", 250),
    ("LAX", NAMERICA, "Los Angeles", "Los Angeles International Airport", "United States", 250),
    ("ATL", NAMERICA, "Atlanta", "Atlanta Municipal Airport", "United States", 200),
    ("SFO", NAMERICA, "San Francisco", "San Francisco International Airport", "United States", 200),
    ("DAL", NAMERICA, "Dallas", "Dallas Love Field", "United States", 200),
    ("MIA", NAMERICA, "Miami", "Miami International Airport", "United States", 200),
    ("YYZ", NAMERICA, "Toronto", "Toronto Malton Airport", "Canada", 150),
    ("DCA", NAMERICA, "Washington", "Washington National Airport", "United States", 150),
    ("BOS", NAMERICA, "Boston", "Boston Logan International Airport", "United States", 150),
    ("DEN", NAMERICA, "Denver", "Denver Stapleton Airfield", "United States", 150, (39.7742, -104.8797)),
    ("SEA", NAMERICA, "Seattle", "Seattle-Tacoma International Airport", "United States", 150),
    ("YUL", NAMERICA, "Montreal", "Montreal Dorval International Airport", "Canada", 150),
    ("MEX", NAMERICA, "Mexico City", "Mexico City Central Airport", "Mexico", 150),
    ("HOU", NAMERICA, "Houston", "Houston International Airport", "United States", 150),
    ("PHL", NAMERICA, "Philadelphia", "Philadelphia International Airport", "United States", 100),
    ("DTW", NAMERICA, "Detroit", "Detroit Metropolitan Wayne County Airport", "United States", 100),
    ("MSP", NAMERICA, "Minneapolis", "Minneapolis-St. Paul International Airport", "United States", 100),
    ("STL", NAMERICA, "St. Louis", "St. Louis Lambert International Airport", "United States", 100),
    ("YVR", NAMERICA, "Vancouver", "Vancouver International Airport", "Canada", 100),
    ("LAS", NAMERICA, "Las Vegas", "Las Vegas McCarran International Airport", "United States", 100),
    ("PHX", NAMERICA, "Phoenix", "Phoenix Sky Harbor International Airport", "United States", 100),
    ("MSY", NAMERICA, "New Orleans", "New Orleans Moisant International Airport", "United States", 100),
    ("ANC", NAMERICA, "Anchorage", "Anchorage International Airport", "United States", 100),
    ("SJU", NAMERICA, "San Juan", "San Juan Isla Verde International Airport", "Puerto Rico", 100),
    ("HAV", NAMERICA, "Havana", "Havana Rancho Boyeros Airport", "Cuba", 100),
    ("PTY", NAMERICA, "Panama City", "Panama Tocumen International Airport", "Panama", 100),
    ("SLC", NAMERICA, "Salt Lake City", "Salt Lake City International Airport", "United States", 100),
    ("YQX", NAMERICA, "Gander", "Gander International Airport", "Canada", 50),
    ("YWG", NAMERICA, "Winnipeg", "Winnipeg International Airport", "Canada", 50),
    ("KIN", NAMERICA, "Kingston", "Kingston Palisadoes Airport", "Jamaica", 50),
    ("GUA", NAMERICA, "Guatemala City", "Guatemala City La Aurora Airport", "Guatemala", 50),
    ("YYC", NAMERICA, "Calgary", "Calgary McCall Field", "Canada", 50),
    # Asia and the Middle East
    ("HND", ASIA, "Tokyo", "Tokyo Haneda International Airport", "Japan", 250),
    ("HKG", ASIA, "Hong Kong", "Hong Kong Kai Tak Airport", "Hong Kong", 200, (22.3089, 114.1947)),
    ("QPG", ASIA, "Singapore", "Singapore Paya Lebar Airport", "Singapore", 200),
    ("DMK", ASIA, "Bangkok", "Bangkok Don Muang International Airport", "Thailand", 200),
    ("BOM", ASIA, "Bombay", "Bombay Santa Cruz Airport", "India", 200),
    ("DEL", ASIA, "Delhi", "Delhi Palam Airport", "India", 150),
    ("KHI", ASIA, "Karachi", "Karachi International Airport", "Pakistan", 150),
    ("MNL", ASIA, "Manila", "Manila International Airport", "Philippines", 150),
    ("TSA", ASIA, "Taipei", "Taipei Sungshan Airport", "Taiwan", 150),
    ("GMP", ASIA, "Seoul", "Seoul Kimpo International Airport", "South Korea", 150),
    ("ITM", ASIA, "Osaka", "Osaka Itami International Airport", "Japan", 150),
    ("PEK", ASIA, "Peking", "Peking Capital Airport", "China", 150),
    ("CGK", ASIA, "Djakarta", "Djakarta Kemajoran Airport", "Indonesia", 150, (-6.1500, 106.8450)),
    ("SHA", ASIA, "Shanghai", "Shanghai Hongqiao Airport", "China", 100),
    ("CCU", ASIA, "Calcutta", "Calcutta Dum Dum Airport", "India", 100),
    ("SZB", ASIA, "Kuala Lumpur", "Kuala Lumpur Sungai Besi Airport", "Malaya", 100, (3.1100, 101.7030)),
    ("TLV", ASIA, "Tel Aviv", "Tel Aviv Lod Airport", "Israel", 100),
    ("BEY", ASIA, "Beirut", "Beirut International Airport", "Lebanon", 100),
    ("DXB", ASIA, "Dubai", "Dubai International Airport", "Trucial States", 100),
    ("BAH", ASIA, "Bahrain", "Bahrain International Airport", "Bahrain", 100),
    ("THR", ASIA, "Tehran", "Tehran Mehrabad Airport", "Iran", 100),
    ("JED", ASIA, "Jeddah", "Jeddah Kandara Airport", "Saudi Arabia", 100, (21.4960, 39.2140)),
    ("TAS", ASIA, "Tashkent", "Tashkent Yuzhny Airport", "Soviet Union", 100),
    ("KWI", ASIA, "Kuwait", "Kuwait International Airport", "Kuwait", 50),
    ("RML", ASIA, "Colombo", "Colombo Ratmalana Airport", "Ceylon", 50),
    ("KTM", ASIA, "Kathmandu", "Kathmandu Tribhuvan Airport", "Nepal", 50),
    ("RGN", ASIA, "Rangoon", "Rangoon Mingaladon Airport", "Burma", 50),
    ("SGN", ASIA, "Saigon", "Saigon Tan Son Nhut Airport", "South Vietnam", 50),
    ("OVB", ASIA, "Novosibirsk", "Novosibirsk Tolmachevo Airport", "Soviet Union", 50),
    ("KHV", ASIA, "Khabarovsk", "Khabarovsk Novy Airport", "Soviet Union", 50),
    # Africa
    ("CAI", AFRICA, "Cairo", "Cairo International Airport", "Egypt (U.A.R.)", 200),
    ("JNB", AFRICA, "Johannesburg", "Johannesburg Jan Smuts Airport", "South Africa", 200),
    ("NBO", AFRICA, "Nairobi", "Nairobi Embakasi Airport", "Kenya", 150),
    ("LOS", AFRICA, "Lagos", "Lagos Ikeja Airport", "Nigeria", 150),
    ("CAS", AFRICA, "Casablanca", "Casablanca Anfa Airport", "Morocco", 100, (33.5533, -7.6614)),
    ("DKR", AFRICA, "Dakar", "Dakar Yoff Airport", "Senegal", 100),
    ("ALG", AFRICA, "Algiers", "Algiers Maison Blanche Airport", "Algeria", 100),
    ("TUN", AFRICA, "Tunis", "Tunis El Aouina Airport", "Tunisia", 100),
    ("ADD", AFRICA, "Addis Ababa", "Addis Ababa Lideta Airport", "Ethiopia", 100, (9.0050, 38.7250)),
    ("CPT", AFRICA, "Cape Town", "Cape Town D. F. Malan Airport", "South Africa", 100),
    ("ACC", AFRICA, "Accra", "Accra Airport", "Ghana", 50),
    ("KRT", AFRICA, "Khartoum", "Khartoum Civil Airport", "Sudan", 50),
    ("FIH", AFRICA, "Leopoldville", "Leopoldville N'djili Airport", "Belgian Congo", 50),
    ("HRE", AFRICA, "Salisbury", "Salisbury Airport", "Southern Rhodesia", 50),
    ("ABJ", AFRICA, "Abidjan", "Abidjan Port Bouet Airport", "Ivory Coast", 50),
    # South America
    ("EZE", SAMERICA, "Buenos Aires", "Buenos Aires Ministro Pistarini Airport", "Argentina", 200),
    ("GIG", SAMERICA, "Rio de Janeiro", "Rio de Janeiro Galeao International Airport", "Brazil", 200),
    ("CGH", SAMERICA, "Sao Paulo", "Sao Paulo Congonhas Airport", "Brazil", 150),
    ("SCL", SAMERICA, "Santiago", "Santiago Los Cerrillos Airport", "Chile", 150, (-33.4900, -70.7040)),
    ("LIM", SAMERICA, "Lima", "Lima Limatambo Airport", "Peru", 150, (-12.0920, -77.0170)),
    ("BOG", SAMERICA, "Bogota", "Bogota El Dorado International Airport", "Colombia", 150),
    ("CCS", SAMERICA, "Caracas", "Caracas Maiquetia Airport", "Venezuela", 150),
    ("MVD", SAMERICA, "Montevideo", "Montevideo Carrasco Airport", "Uruguay", 100),
    ("REC", SAMERICA, "Recife", "Recife Guararapes Airport", "Brazil", 100),
    ("BSB", SAMERICA, "Brasilia", "Brasilia International Airport", "Brazil", 100),
    ("UIO", SAMERICA, "Quito", "Quito Mariscal Sucre Airport", "Ecuador", 50),
    ("LPB", SAMERICA, "La Paz", "La Paz El Alto Airport", "Bolivia", 50),
    ("ASU", SAMERICA, "Asuncion", "Asuncion Campo Grande Airport", "Paraguay", 50),
    # Australia and Oceania
    ("SYD", AUSTRALIA, "Sydney", "Sydney Kingsford Smith Airport", "Australia", 200),
    ("MEB", AUSTRALIA, "Melbourne", "Melbourne Essendon Airport", "Australia", 150),
    ("AKL", AUSTRALIA, "Auckland", "Auckland Whenuapai Airport", "New Zealand", 150, (-36.7878, 174.6300)),
    ("HNL", AUSTRALIA, "Honolulu", "Honolulu International Airport", "United States", 150),
    ("BNE", AUSTRALIA, "Brisbane", "Brisbane Eagle Farm Airport", "Australia", 100),
    ("PER", AUSTRALIA, "Perth", "Perth Guildford Airport", "Australia", 100),
    ("ADL", AUSTRALIA, "Adelaide", "Adelaide West Beach Airport", "Australia", 100),
    ("DRW", AUSTRALIA, "Darwin", "Darwin Airport", "Australia", 50),
    ("CHC", AUSTRALIA, "Christchurch", "Christchurch Harewood Airport", "New Zealand", 50),
    ("NAN", AUSTRALIA, "Nadi", "Nadi International Airport", "Fiji", 50),
    ("PPT", AUSTRALIA, "Papeete", "Papeete Faa'a Airport", "French Polynesia", 50),
    ("POM", AUSTRALIA, "Port Moresby", "Port Moresby Jacksons Airport", "Papua & New Guinea", 50),
]

# Airports drawn on a second continent map as well as their own: Istanbul
# sits on the Bosporus between Europe and Asia, Panama on the isthmus that
# joins the two Americas.
SECOND_MAP = [("IST", ASIA), ("PTY", SAMERICA)]

# Links that airlines really flew across the oceans and deserts, kept in
# both directions before the nearest-airport links are chosen. They make
# every continent reachable by chaining routes.
LONG_LINKS = [
    ("SNN", "YQX"),  # the North Atlantic via Shannon and Gander
    ("KEF", "YQX"),
    ("LHR", "JFK"),
    ("ORY", "JFK"),
    ("LIS", "JFK"),  # the Azores route
    ("AMS", "YUL"),
    ("CPH", "ANC"),  # the polar route
    ("ANC", "HND"),
    ("SFO", "HNL"),
    ("LAX", "HNL"),
    ("HNL", "HND"),
    ("HNL", "NAN"),
    ("HNL", "PPT"),
    ("NAN", "SYD"),
    ("DKR", "REC"),  # the South Atlantic crossing
    ("LIS", "GIG"),
    ("MAD", "EZE"),
    ("MIA", "CCS"),
    ("PTY", "BOG"),
    ("PTY", "LIM"),
    ("MIA", "BOG"),
    ("QPG", "PER"),  # the Kangaroo route
    ("CGK", "DRW"),
    ("BOM", "NBO"),
    ("JNB", "PER"),
    ("CAI", "HEW"),
    ("CAI", "BEY"),
    ("CAS", "LIS"),
    ("TUN", "CIA"),
    ("ALG", "ORY"),
    ("LOS", "LHR"),
    ("VKO", "TAS"),
    ("VKO", "OVB"),
    ("OVB", "KHV"),
    ("KHV", "HND"),
    ("IST", "BEY"),
    ("IST", "THR"),
    ("HEW", "TLV"),
    ("KHI", "BAH"),
    ("BOM", "DXB"),
    ("SYD", "AKL"),
    ("SCL", "EZE"),
    ("SCL", "PPT"),  # via Easter Island
    ("MEX", "LAX"),
]

# The busiest short and medium routes of the era between the airports of
# the game, linked both ways after the ocean links and before the nearest
# airports fill the remaining slots.
SHORT_LINKS = [
    ("LHR", "AMS"),
    ("LHR", "ORY"),
    ("LHR", "DUB"),
    ("LHR", "GLA"),
    ("ORY", "NCE"),
    ("MAD", "BCN"),
    ("FRA", "THF"),  # the air corridors into West Berlin
    ("HAM", "THF"),
    ("CIA", "MXP"),
    ("VKO", "LED"),
    ("BMA", "CPH"),
    ("BMA", "HEL"),
    ("FBU", "CPH"),
    ("JFK", "DCA"),
    ("JFK", "BOS"),
    ("JFK", "ORD"),
    ("LAX", "SFO"),
    ("LAX", "LAS"),
    ("ORD", "DTW"),
    ("ORD", "MSP"),
    ("ATL", "MIA"),
    ("MIA", "HAV"),
    ("MIA", "SJU"),
    ("DAL", "HOU"),
    ("YYZ", "YUL"),
    ("SEA", "YVR"),
    ("HND", "ITM"),
    ("HKG", "TSA"),
    ("HKG", "DMK"),
    ("QPG", "SZB"),
    ("QPG", "CGK"),
    ("BOM", "DEL"),
    ("JNB", "CPT"),
    ("JNB", "HRE"),
    ("GIG", "CGH"),
    ("EZE", "MVD"),
    ("SYD", "MEB"),
    ("SYD", "BNE"),
    ("MEB", "ADL"),
    ("AKL", "CHC"),
]
