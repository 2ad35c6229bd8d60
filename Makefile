# The two commands of the README:
#   make run    runs the tool
#   make test   runs every test of both builds
# Both first install what is missing (scripts/setup.sh).

BUILD ?= build
NATIVE := $(BUILD)/native
WINDOWS := $(BUILD)/windows
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: run test setup native windows bench bench-window clean

setup:
	@scripts/setup.sh

native: setup
	cmake -S . -B $(NATIVE) $(CMAKE_FLAGS)
	cmake --build $(NATIVE) -j $(JOBS)

windows: setup
	cmake -S . -B $(WINDOWS) $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
	cmake --build $(WINDOWS) -j $(JOBS)

test: native windows
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)
	scripts/with-display.sh --wineprefix $(WINDOWS)/wineprefix \
	  ctest --test-dir $(WINDOWS) --output-on-failure -j $(JOBS)

run: windows
	@scripts/run.sh $(WINDOWS)

bench: native
	$(NATIVE)/bin/generator_bench --benchmark_repetitions=3
	$(NATIVE)/bin/generator_bench --peak-memory 64

# A whole generation in the real window under Wine, against the bare platform calls.
bench-window: windows
	scripts/with-display.sh --wineprefix $(WINDOWS)/wineprefix \
	  scripts/wine-run.sh --prefix=$(abspath $(WINDOWS))/wineprefix $(WINDOWS)/bin/preview_bench.exe

clean:
	rm -rf $(BUILD)
