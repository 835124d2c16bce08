# SPDX-License-Identifier: MIT
# Set-up, build, run and test on Debian 12 / Ubuntu. See README.md.

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

# What the project needs from Debian's packages, by what you do:
# building and running the game,
RUN_PACKAGES := cmake ninja-build g++ pkg-config \
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 \
  libqt6sql6-sqlite libgif-dev libfluidsynth-dev timgm6mb-soundfont fonts-liberation2
# the Debian package (dpkg-shlibdeps finds its library dependencies; CPack
# finds the programs among the files with file),
PACKAGE_PACKAGES := $(RUN_PACKAGES) dpkg-dev file
# the test suite and its format check, the end-to-end scripts' X server and
# window manager, and the checks of the package and its desktop files,
TEST_PACKAGES := $(PACKAGE_PACKAGES) googletest libgtest-dev libgmock-dev \
  xvfb xdotool openbox x11-utils clang-format-14 python3 desktop-file-utils appstream \
  shared-mime-info man-db lintian poppler-utils
# and the developer's extras: benchmarks, fuzzing, rebuilding the data.
DEV_PACKAGES := $(TEST_PACKAGES) libbenchmark-dev clang-14 libclang-rt-14-dev \
  imagemagick librsvg2-bin

# The C++ files the format check covers.
FORMAT_FILES = $(shell find src tests tools bench fuzz -name node_modules -prune -o \
  \( -name '*.cpp' -o -name '*.h' \) -print | sort)

# The test suite is built once GoogleTest is there (make test installs it).
TESTS_BUILT = $(shell dpkg-query -W -f='$${Status}' libgtest-dev 2>/dev/null | \
  grep -q 'install ok installed' && echo ON || echo OFF)

.PHONY: all deps-run deps-package deps-test deps-dev configure build run package test \
  test-sanitize bench fuzz format format-check clean

all: build

deps-run: PACKAGES = $(RUN_PACKAGES)
deps-package: PACKAGES = $(PACKAGE_PACKAGES)
deps-test: PACKAGES = $(TEST_PACKAGES)
deps-dev: PACKAGES = $(DEV_PACKAGES)

# Installs only what is missing; as root directly, otherwise through sudo.
deps-run deps-package deps-test deps-dev:
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

configure: deps-run
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLOMIRA_TESTS=$(TESTS_BUILT)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./glomira

# The Debian package, $(BUILD)/glomira_<version>-1_<arch>.deb.
package: deps-package
	$(MAKE) build
	cd $(BUILD) && cpack

test: deps-test
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DGLOMIRA_SANITIZE=ON -DGLOMIRA_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: deps-dev
	$(MAKE) build
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# libFuzzer targets for the readers; FUZZ_SECONDS per target. New inputs go to
# fuzz-corpus/<target>; the committed seeds in fuzz/corpus are only read, and
# fuzz/<target>.dict, where there is one, names the format's tokens.
FUZZ_SECONDS ?= 60
fuzz: deps-dev
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

format: deps-test
	clang-format-14 -i $(FORMAT_FILES)

# Fails, naming the files, when any C++ file differs from .clang-format.
format-check: deps-test
	@clang-format-14 --dry-run -Werror $(FORMAT_FILES) 2>&1 | \
	  grep -oE '^[^ :]+\.(cpp|h):[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u | \
	  sed 's/$$/ differs from .clang-format (make format fixes it)/'; \
	clang-format-14 --dry-run -Werror $(FORMAT_FILES) >/dev/null 2>&1

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
