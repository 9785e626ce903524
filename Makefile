# Quick start: `make run` starts Wellscope, `make test` builds and runs every test.
# Both install what is missing on a Debian machine first; a second run redoes nothing.
# The tests build with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and include
# short libFuzzer runs; `make fuzz FUZZ_SECONDS=600` runs the fuzz targets longer.

JOBS     ?= $(shell nproc)
RELEASE  := build/release
TESTING  := build/test
CMAKE_RELEASE := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWELLSCOPE_TESTS=OFF -DWELLSCOPE_BENCH=ON
CMAKE_TESTING := -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DWELLSCOPE_WERROR=ON -DWELLSCOPE_SANITIZE=ON -DWELLSCOPE_BENCH=OFF

.PHONY: all run test fuzz bench deps format clean
FUZZ_SECONDS ?= 300

all: $(RELEASE)/wellscope

deps:
	@scripts/install-deps

$(RELEASE)/CMakeCache.txt: | deps
	cmake -S . -B $(RELEASE) $(CMAKE_RELEASE)

$(TESTING)/CMakeCache.txt: | deps
	cmake -S . -B $(TESTING) $(CMAKE_TESTING)

$(RELEASE)/wellscope: deps $(RELEASE)/CMakeCache.txt FORCE
	cmake --build $(RELEASE) -j $(JOBS) --target wellscope

# Without a display there is no window to show: say so and save a picture of it instead.
run: $(RELEASE)/wellscope
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || [ -n "$$QT_QPA_PLATFORM" ]; then \
	  $(RELEASE)/wellscope; \
	else \
	  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): writing wellscope.png instead."; \
	  $(RELEASE)/wellscope snapshot wellscope.png && echo "Wrote wellscope.png"; \
	fi

test: deps $(TESTING)/CMakeCache.txt
	cmake --build $(TESTING) -j $(JOBS)
	cd $(TESTING) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The longer time reaches the fuzz targets through the environment of this run alone.
fuzz: deps $(TESTING)/CMakeCache.txt
	cmake --build $(TESTING) -j $(JOBS)
	cd $(TESTING) && WELLSCOPE_FUZZ_SECONDS=$(FUZZ_SECONDS) ctest -L fuzz --output-on-failure -j $(JOBS) --timeout 0

bench: $(RELEASE)/wellscope
	cmake --build $(RELEASE) -j $(JOBS)
	@for b in $(RELEASE)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

FORCE:
