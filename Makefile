# Two commands do everything: `make run` and `make test`.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup build run test test-sanitize test-clang test-library test-windows \
        coverage bench fuzz screenshot tables install package format clean mutants

all: build

setup:
	@bash scripts/install-deps.sh

# build-<preset>: configure once, then build.
build-%: setup
	@test -f build/$*/build.ninja || cmake --preset $*
	cmake --build --preset $* -j $(JOBS)

build: build-release

run: build
	./build/release/app/quillet

test: build
	ctest --preset release -j $(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: build-sanitize
	ctest --preset sanitize -j $(JOBS)

# The whole project built with clang, warnings as errors, and its suite.
test-clang:
	@bash scripts/install-deps.sh --clang
	$(MAKE) build-clang
	ctest --preset clang -j $(JOBS)

# The lunar library and quillet-lunar alone, configured without Qt.
test-library: build-library
	ctest --preset library -j $(JOBS)

# The library, quillet-lunar and their tests built for 64-bit Windows with
# MinGW-w64 and run under Wine; quillet-lunar's outputs compared with the
# library build's.
test-windows: setup
	@bash scripts/install-deps.sh --windows
	@test -f build/library/build.ninja || cmake --preset library
	@test -f build/windows/build.ninja || cmake --preset windows
	cmake --build --preset windows -j $(JOBS)
	@bash scripts/wine-run.sh wineboot --init >/dev/null 2>&1
	ctest --preset windows -j $(JOBS)

# Line coverage of the project's own code by the whole suite.
coverage: build-coverage
	@bash scripts/install-deps.sh --coverage
	ctest --preset coverage -j $(JOBS) --label-exclude package
	gcovr --root . --object-directory build/coverage \
	  --exclude-directories '.*CompilerId.*' \
	  --filter 'lunar/' --filter 'monthview/' --filter 'ui/' --filter 'app/' \
	  --filter 'cli/' \
	  --exclude 'lunar/astronomy/vsop87d_earth.cpp' \
	  --exclude 'lunar/lunar_tables.cpp'

bench: build
	@bash scripts/install-deps.sh --bench
	@for b in build/release/bench/quillet_bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_min_time=0.2 || exit 1; \
	done
	@echo "== quillet_lunar (Python) beside python3-lunardate"
	@bash bench/python/run.sh build/release

# libFuzzer on DrawMonth for FUZZ_SECONDS, then on quillet-lunar's argument
# and standard-input readers for FUZZ_RUNS inputs; new inputs go to scratch
# folders, the committed corpora are only read.
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?= 1000000
fuzz:
	@bash scripts/install-deps.sh --fuzz
	@test -f build/fuzz/build.ninja || cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target draw_month_fuzzer quillet_lunar_fuzzer
	mkdir -p build/fuzz/corpus build/fuzz/quillet_lunar_corpus
	./build/fuzz/tests/fuzz/draw_month_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=4096 build/fuzz/corpus tests/fuzz/corpus
	./build/fuzz/tests/fuzz/quillet_lunar_fuzzer -runs=$(FUZZ_RUNS) \
	  -max_len=4096 build/fuzz/quillet_lunar_corpus tests/fuzz/quillet_lunar_corpus

screenshot: build
	./build/release/tools/quillet-snapshot --year 2025 --month 10 \
	  --today 2025-10-06 --out docs/screenshot.png
	./build/release/tools/quillet-snapshot --year 2024 --month 2 \
	  --today 2024-02-04 --hover 4 --out docs/tooltip.png
	./build/release/tools/quillet-snapshot --year 2025 --month 10 \
	  --today 2025-10-11 --out docs/holidays.png
	./build/release/tools/quillet-snapshot --year 2026 --month 2 \
	  --today 2026-02-17 --scale 2 --out docs/holidays@2x.png

# Rederives the lunar component's tables from the astronomical core.
tables: build
	./build/release/tools/lunar_tablegen --tables lunar/lunar_tables.cpp \
	  --moon-phases lunar/moon_phase_table.cpp \
	  --instants tools/lunar_instants.tsv

# Plants each fault of scripts/mutants.tsv in a scratch copy of the last
# commit and runs the suite against it: every fault should be caught.
# FAULTS="a b" picks some.
mutants: build
	@bash scripts/install-deps.sh --mutants
	bash scripts/mutants.sh $(FAULTS)

install: build
	cmake --install build/release

package: build
	cd build/release && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
