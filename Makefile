# Front door of the project: `make play` and `make test` do all the set-up themselves.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2

.PHONY: setup build play test test-fast asan-test art-sheet clean

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

test: test-fast asan-test

art-sheet: build
	cmake --build $(BUILD) --target art-sheet

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
