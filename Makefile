# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BENCH_BUILD_DIR ?= build-bench
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Running and testing share one tree built for a short build: -O1 without
# debug information, the Qt and GoogleTest headers precompiled once, no
# benchmarks, warnings as errors. Releases and benchmarks have trees of their own.
DEV_FLAGS = -DCMAKE_BUILD_TYPE=Test -DKOLORAT_PCH=ON -DKOLORAT_BENCH=OFF -DKOLORAT_WERROR=ON
RELEASE_BUILD_DIR ?= build-release

.PHONY: run test deps configure build bench sanitize fuzz coverage package clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) $(DEV_FLAGS) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/app/kolorat

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# All tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKOLORAT_SANITIZE=ON -DKOLORAT_BENCH=OFF
	cmake --build build-asan -j$(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp ctest --output-on-failure -j$(JOBS)

# Benchmarks measure optimised code, in a tree of their own.
bench: deps
	cmake -S . -B $(BENCH_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLORAT_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD_DIR) -j$(JOBS) --target benchmarks
	@for b in $(BENCH_BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] || continue; echo "== $$b"; $$b; done

# libFuzzer targets (clang-14, libfuzzer-14-dev).
fuzz: deps
	@dpkg-query -W clang-14 libfuzzer-14-dev >/dev/null 2>&1 || (apt-get install -y -qq clang-14 libfuzzer-14-dev)
	CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLORAT_FUZZ=ON -DKOLORAT_BENCH=OFF
	cmake --build build-fuzz -j$(JOBS) --target fuzzers

# Line and branch coverage of src/ by every test (lcov), HTML in build-coverage/coverage/.
coverage: deps
	@JOBS=$(JOBS) bash scripts/coverage.sh

# Debian package (CPack) in $(RELEASE_BUILD_DIR): kolorat_<version>_<arch>.deb
package: deps
	cmake -S . -B $(RELEASE_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLORAT_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(RELEASE_BUILD_DIR) -j$(JOBS)
	cd $(RELEASE_BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(BENCH_BUILD_DIR) $(RELEASE_BUILD_DIR) build-asan build-fuzz build-coverage
