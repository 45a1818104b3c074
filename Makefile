# Front door of the project. `make run` and `make test` install what is missing first.
SHELL := /bin/bash
# One step at a time even under make -j: the packages come before the builds, and the test runs
# share one Wine prefix. Each build is parallel by itself (ninja).
.NOTPARALLEL:
FUZZ_SECONDS ?= 60

.PHONY: all deps build build-native build-windows build-fuzz test test-floors test-native test-windows test-cli \
        test-e2e test-fuzz run bench dist clean

all: build

deps:
	@scripts/deps.sh

build: deps build-native build-windows

build-native:
	@[ -f build/native/build.ninja ] || cmake --preset native
	cmake --build --preset native

build-windows:
	@[ -f build/windows/build.ninja ] || cmake --preset windows
	cmake --build --preset windows

build-fuzz:
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build --preset fuzz

test: deps build build-fuzz
	$(MAKE) test-floors test-native test-windows test-cli test-e2e test-fuzz
	@echo "All tests passed."

test-floors:
	scripts/check-floors

test-native:
	ctest --preset native

test-windows:
	scripts/with-display ctest --preset windows

test-cli:
	scripts/with-display /usr/bin/python3 -m pytest -q -p no:cacheprovider tests/cli

test-e2e:
	scripts/with-display /usr/bin/python3 -m pytest -q -p no:cacheprovider tests/e2e

test-fuzz:
	scripts/run-fuzzers $(FUZZ_SECONDS)

run: deps build
	scripts/run

bench: deps build-native
	build/native/bench/orvane_bench

dist: deps build
	scripts/dist

clean:
	rm -rf build
