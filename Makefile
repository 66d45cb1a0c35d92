# Jet Warden — top-level commands. CMake does the building; this file only
# strings the steps together so that a fresh machine needs one command.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
WEB_BUILD  ?= build-web-cmake
WEB_OUT    ?= build-web
WEB_PORT   ?= 8000
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
FUZZ_SECONDS ?= 60
FUZZ_JOBS    ?= 1
FUZZ_TARGETS ?=
# Where `make install` puts the game; empty means the configured prefix
# (/usr/local unless CMAKE_ARGS set CMAKE_INSTALL_PREFIX). DESTDIR is honoured.
PREFIX     ?=

.PHONY: all deps configure build run test install deb bench balance balance-short asan fuzz release \
        contact-sheet screens clean web web-serve web-test web-bench

# Our own builds treat warnings as errors; a user's or packager's plain
# cmake build does not (SKYREACH_WERROR is off by default).
WERROR := -DSKYREACH_WERROR=ON
# The release check reuses earlier compiles when ccache is installed.
CCACHE := $(shell command -v ccache 2>/dev/null)
LAUNCHER := $(if $(CCACHE),-DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))

all: build

deps:
	@bash .ci/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR) $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/Skyreach ]; then $(BUILD)/Skyreach --install >/dev/null 2>&1 || true; fi
	$(BUILD)/Skyreach

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, $(BUILD)/jet-warden_VERSION_ARCH.deb.
deb: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@if [ -x $(BUILD)/skyreach_bench ]; then $(BUILD)/skyreach_bench; fi
	@cmake --build $(BUILD) --target bench-extra 2>/dev/null || true

# The balance report: scripted players over many homes and seeds, and every
# model's yearly return (Tools/Balance/balance.py). `balance-short` is the
# quicker check CI runs; both fail when a balance goal is missed.
BALANCE = python3 Tools/Balance/balance.py --sim $(BUILD)/skyreach-sim --data $(BUILD)/Skyreach.dat --jobs 2 --check

balance: build
	$(BALANCE)

balance-short: build
	$(BALANCE) --short

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSKYREACH_SANITIZE=ON -DSKYREACH_BENCH=OFF $(WERROR) $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS) --timeout 1200

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DSKYREACH_FUZZ=ON -DSKYREACH_BENCH=OFF $(WERROR) $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-all
	FUZZ_JOBS=$(FUZZ_JOBS) bash Fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The programs as users and packagers build them (Release), compiled with
# warnings as errors; no tests are built or run.
release: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DSKYREACH_BENCH=OFF $(WERROR) $(LAUNCHER) $(CMAKE_ARGS)
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target Skyreach skyreach-sim PackData lzrw

# The browser build: the game compiled by Debian's emscripten into the static
# folder $(WEB_OUT) (page, JS, wasm, the data file the native build packs, the
# manual). emscripten's tools run on the system's node, which finds Debian's
# JS modules (acorn) only through NODE_PATH when node comes from elsewhere.
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs
SQLITE_AMALGAMATION := $(CURDIR)/Web/node_modules/better-sqlite3/deps/sqlite3

# The npm packages of Web/ (the SQLite amalgamation, the browser test's
# driver), as the lock file says; no install scripts run, nothing else is fetched.
Web/node_modules/.package-lock.json: Web/package-lock.json
	cd Web && npm ci --ignore-scripts --no-audit --no-fund

web: configure Web/node_modules/.package-lock.json
	cmake --build $(BUILD) -j $(JOBS) --target skyreach_data
	$(EMSCRIPTEN_ENV) emcmake cmake -S Web -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DSKYREACH_DATA_FILE=$(CURDIR)/$(BUILD)/Skyreach.dat -DSKYREACH_SQLITE_DIR=$(SQLITE_AMALGAMATION) \
	  -DSKYREACH_WEB_OUTPUT=$(CURDIR)/$(WEB_OUT) $(WERROR) $(LAUNCHER) $(CMAKE_ARGS) >/dev/null
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)
	@echo "The browser build is in $(WEB_OUT)/; make web-serve shows it."

web-serve: web
	node Web/serve.mjs $(WEB_OUT) $(WEB_PORT)

# Debian's Chromium plays a new game in the page; its screens must equal the
# headless program's shots of the same script.
web-test: web
	cmake --build $(BUILD) -j $(JOBS) --target Skyreach
	SKYREACH_PROGRAM=$(CURDIR)/$(BUILD)/Skyreach SKYREACH_DATA=$(CURDIR)/$(BUILD)/Skyreach.dat \
	  SKYREACH_WEB=$(CURDIR)/$(WEB_OUT) node --test Web/Tests/game.test.mjs

# Sizes, the time to the first frame and the CPU the page costs.
web-bench: web
	node Web/Bench/WebMeasure.mjs $(WEB_OUT)

contact-sheet: build
	cmake --build $(BUILD) --target contact-sheet-png
	@echo "Contact sheet: $(BUILD)/contact-sheet.png"

# Every screen the player-bot meets in its whole games and its run through
# every notice, as $(BUILD)/screens/NN-title.png, and one atlas of them all.
# A record that no longer matches (the tests then fail) does not stop the
# pictures: they are for looking at what changed.
screens: build
	rm -rf $(BUILD)/screens
	-cd $(BUILD) && SKYREACH_SCREENS=$(abspath $(BUILD))/screens ctest -R 'BotGameTest|NoticeRunTest' \
	  -j $(JOBS) >screens.log 2>&1 || echo "Some bot tests failed: see $(BUILD)/screens.log"
	/usr/bin/python3 Tools/Atlas/make_atlas.py $(BUILD)/screens $(BUILD)/screens-atlas.png
	@echo "Screens: $(BUILD)/screens/, atlas: $(BUILD)/screens-atlas.png"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD) $(WEB_BUILD) $(WEB_OUT)
