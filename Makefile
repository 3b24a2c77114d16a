# `make run` and `make test` do all set-up on a fresh Debian machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all deps test-deps build run test unit e2e asan fuzz fuzz-build fuzz-run bench clean

all: build

deps:
	scripts/install-deps

test-deps:
	scripts/install-deps --test

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -UCHARED_TEST_DIRS

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./chared

# Every test: unit and end-to-end, then all of them again under the
# sanitizers, then a short fuzz run of every reader.
test: test-deps build
	cd $(BUILD) && ctest --output-on-failure
	$(MAKE) asan
	$(MAKE) fuzz-run FUZZ_SECONDS=$(FUZZ_SECONDS)

unit: test-deps build
	cd $(BUILD) && ctest --output-on-failure -L unit

e2e: test-deps build
	cd $(BUILD) && ctest --output-on-failure -L e2e

asan: test-deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCHARED_SANITIZE=ON -UCHARED_TEST_DIRS
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -L unit
	# The real editor under the sanitizers too; leak reports are left to the
	# unit tests, since X11 and Allegro's drivers keep memory until exit.
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -L e2e

fuzz-build: test-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCHARED_FUZZ=ON -DCHARED_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# `make fuzz` fuzzes each reader for FUZZ_SECONDS (default 60).
fuzz: fuzz-run

fuzz-run: fuzz-build
	scripts/run-fuzzers $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

bench: build
	scripts/run-benchmarks $(BUILD)/bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
