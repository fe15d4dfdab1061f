# Front door of the project: `make play` and `make test` do all the set-up themselves.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
# make install PREFIX=/usr DESTDIR=/tmp/stage: the prefix the game is installed under, and a staging root.
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: setup build play test test-fast asan-test art-sheet install package clean

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

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, in $(BUILD)/: install it with apt install ./$(BUILD)/tumbo-man_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

art-sheet: build
	cmake --build $(BUILD) --target art-sheet

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
