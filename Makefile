# The user's commands: `make run` and `make test`. Everything else builds on them.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps build build-asan run test test-asan bench fuzz format check-format package clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON $(CMAKE_ARGS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Opens the window on the bundled sample; without a display, shows the same work through
# quorvane-cli and says how to get the window.
run: build
	@./scripts/run-sample.sh $(BUILD)

test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_BENCH=ON $(CMAKE_ARGS)
	cmake --build build-bench -j $(JOBS)
	./build-bench/bench/quorvane-bench

# The libFuzzer targets (clang), each run FUZZ_SECONDS from a scratch copy of its seed corpus in
# tests/fuzz-corpus; failing inputs are left in build-fuzz/fuzz-runs/TARGET/artifacts.
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DQUORVANE_BUILD_FUZZ=ON -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_APP=OFF $(CMAKE_ARGS)
	cmake --build build-fuzz -j $(JOBS)
	./fuzz/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

# A Debian package of the window and quorvane-cli.
package: deps
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_ARGS)
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-bench build-fuzz
