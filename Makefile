# Kestrigo: two commands set everything up on a fresh Debian 12 machine.
#   make run   installs what is missing (as root), builds and starts the program
#   make test  the same, then runs every test
#   make bench builds and runs the benchmarks
#   make package builds the Debian package kestrigo_<version>_<arch>.deb here
#   make fuzz  builds the fuzz targets with clang and runs each FUZZ_SECONDS seconds (fuzz/run.sh)

BUILD ?= build
# dpkg-dev and lintian build and check the package; locales holds the definitions a test compiles.
PACKAGES := cmake g++ make pkg-config clang-format qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n \
            desktop-file-utils appstream dpkg-dev locales lintian
# Benchmark-only peers: the side-by-side paint benchmark draws the gear chart with them too.
BENCH_PACKAGES := libqcustomplot-dev qt6-charts-dev libqt6opengl6-dev
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_SECONDS ?= 600

.PHONY: all deps configure build run test bench package fuzz clean format format-check

all: build

deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends$$missing; \
	  else \
	    echo "Missing packages. Run as root:"; \
	    echo "  apt-get install$$missing"; \
	    exit 1; \
	  fi; \
	fi

# The program and its tests; the benchmarks build in their own tree (make bench).
configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRIGO_BENCH=OFF $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display available (DISPLAY and WAYLAND_DISPLAY are unset): cannot open the Kestrigo window."; \
	  echo "Start it from a desktop session, or use $(BUILD)/kestrigo-snapshot --png FILE for a picture."; \
	  exit 1; \
	fi
	@cd $(BUILD) && ./kestrigo

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(BENCH_PACKAGES)"
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DKESTRIGO_BENCH=ON > /dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target kestrigo_bench kestrigo_peer_bench
	@cd $(BUILD)-bench && QT_QPA_PLATFORM=offscreen ./bench/kestrigo_bench
	@cd $(BUILD)-bench && QT_QPA_PLATFORM=offscreen ./bench/kestrigo_peer_bench

# The program alone (no tests, no benchmarks), built for release and packaged by CPack.
package: deps
	@cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKESTRIGO_BENCH=OFF > /dev/null
	@cmake --build $(BUILD)-package -j $(JOBS)
	@rm -f $(BUILD)-package/kestrigo_*.deb
	@cd $(BUILD)-package && cpack -G DEB > /dev/null
	@cp $(BUILD)-package/kestrigo_*.deb . && ls kestrigo_*.deb

fuzz:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	@fuzz/run.sh $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the files, when any source differs from .clang-format, or an include goes against
# the folders' direction: core uses nothing of ours but core, chart nothing of core, app or tools,
# and app only core and chart.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@against=$$(git grep -nE '^\s*#\s*include\s*"(app|chart|memory|tools|tests|fuzz|bench)/' -- core; \
	           git grep -nE '^\s*#\s*include\s*"(app|chart|tools|tests|fuzz|bench)/' -- memory; \
	           git grep -nE '^\s*#\s*include\s*"(app|core|memory|tools|tests|fuzz|bench)/' -- chart; \
	           git grep -nE '^\s*#\s*include\s*"(tools|tests|fuzz|bench)/' -- app); \
	if [ -n "$$against" ]; then echo "Includes against the dependency direction:"; echo "$$against"; exit 1; fi

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan $(BUILD)-release $(BUILD)-package $(BUILD)-fuzz
