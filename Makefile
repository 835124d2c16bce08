# Set-up, build, run and test on Debian 12 / Ubuntu. See README.md.

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

# Everything the project needs, from Debian's packages.
PACKAGES := cmake ninja-build g++ pkg-config \
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 \
  libgif-dev libfluidsynth-dev timgm6mb-soundfont fonts-liberation2 \
  googletest libgtest-dev libgmock-dev libbenchmark-dev \
  clang-14 libclang-rt-14-dev \
  xvfb xdotool imagemagick librsvg2-bin

.PHONY: all deps configure build run test test-sanitize bench fuzz clean

all: build

# Installs only what is missing; as root directly, otherwise through sudo.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/glomira ]; then \
	  cd $(BUILD)/bin && ./glomira; \
	else \
	  echo "There is no game window to start yet: this build has the data core and its tests only."; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DGLOMIRA_SANITIZE=ON -DGLOMIRA_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# libFuzzer targets for the readers; FUZZ_SECONDS per target. New inputs go to
# fuzz-corpus/<target>; the committed seeds in fuzz/corpus are only read, and
# fuzz/<target>.dict, where there is one, names the format's tokens.
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DGLOMIRA_FUZZ=ON -DGLOMIRA_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target glomira_fuzzers
	@for t in $(FUZZ_BUILD)/bin/fuzz_*; do \
	  name=$$(basename $$t); seeds=fuzz/corpus/$${name#fuzz_}; mkdir -p fuzz-corpus/$$name; \
	  dict=fuzz/$${name#fuzz_}.dict; if [ -f $$dict ]; then dict=-dict=$$dict; else dict=; fi; \
	  echo "== $$name"; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp $$t -max_total_time=$(FUZZ_SECONDS) \
	    -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 $$dict -artifact_prefix=fuzz-corpus/$$name- \
	    fuzz-corpus/$$name $$seeds || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
