# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps configure build run test bench clean

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

bench: build
	$(BUILD)/bench/quelrin-bench

clean:
	rm -rf build
