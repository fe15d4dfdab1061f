# Front door of the project: `make play` and `make test` do all the set-up themselves.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
# make install PREFIX=/usr DESTDIR=/tmp/stage: the prefix the game is installed under, and a staging root.
PREFIX ?= /usr/local
DESTDIR ?=
# The SDL 1.2 layer over SDL2 (package libsdl1.2-compat), kept beside the classic library.
SDL12_LAYER ?= /usr/lib/x86_64-linux-gnu/sdl12-compat
# Without the layer in place the loader would quietly take the classic library instead.
CHECK_LAYER = test -e $(SDL12_LAYER)/libSDL-1.2.so.0 || { echo "no SDL 1.2 layer in $(SDL12_LAYER)" >&2; exit 1; }

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: setup build play test test-fast asan-test layer-test asan-layer-test fuzz art-sheet bench install package clean

setup:
	@bash tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/game && ./tumbo

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

asan-test: setup
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTUMBO_SANITIZE=ON > /dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE no-sanitizer

# The whole suite again on the SDL 1.2 layer over SDL2, which newer distributions ship as their SDL 1.2.
layer-test: test-fast
	@$(CHECK_LAYER)
	cd $(BUILD) && LD_LIBRARY_PATH=$(SDL12_LAYER) ctest --output-on-failure -j $(JOBS)

asan-layer-test: asan-test
	@$(CHECK_LAYER)
	cd $(ASAN_BUILD) && LD_LIBRARY_PATH=$(SDL12_LAYER) LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sdl12_layer_leaks.supp \
	  ctest --output-on-failure -j $(JOBS) -LE no-sanitizer

test: test-fast asan-test layer-test asan-layer-test

# Every fuzz target for FUZZ_SECONDS each, one after another; fails on any finding (tools/fuzz.sh).
fuzz:
	@bash tools/setup.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBO_FUZZ=ON > /dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-targets
	bash tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Speed and memory of what the game loads and does, measured where the game runs.
bench: build
	cd $(BUILD)/game && ../bench/tumbo_sound_bench
	cd $(BUILD)/game && ../bench/tumbo_memory_bench
	@$(CHECK_LAYER)
	$(BUILD)/bench/tumbo_bench

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, in $(BUILD)/: install it with apt install ./$(BUILD)/tumbo-man_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

art-sheet: build
	cmake --build $(BUILD) --target art-sheet

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
