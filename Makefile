# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD := build/$(PRESET)

FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test bench clean sanitize fuzz memcheck

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD)/cli/quelrin-calc --db data/dados.txt --log "$(or $(FLUID),Nitrogênio)" "$(or $(T),90)"

test: build
	@ctest --preset $(PRESET)

# Every unit and scenario test again, built with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer: any report fails its test.
sanitize: deps
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug
	@ctest --preset debug

# Each fuzz target for FUZZ_SECONDS from its corpus (tests/fuzz).
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@FUZZ_SECONDS=$(FUZZ_SECONDS) tests/fuzz/run_fuzzers.sh build/fuzz

# The scenario suite with quelrin-script under valgrind's memcheck.
memcheck: build
	@QUELRIN_SCENARIO_WRAPPER="valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect" \
	  ctest --preset $(PRESET) -R '^scenario\.' -j2

bench: build
	$(BUILD)/bench/quelrin-bench

clean:
	rm -rf build
