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

# The calculator in run/ (git-ignored): the shipped database copied there
# unless one is already there, and the help. Without a display, the
# command-line calculation instead.
run: build
	@mkdir -p run
	@[ -e run/dados.txt ] || cp data/dados.txt run/dados.txt
	@cp $(BUILD)/help/quel.chm run/quel.chm
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open the calculator on: running the command-line calculation instead."; \
	  $(BUILD)/cli/quelrin-calc --db run/dados.txt --log "$(or $(FLUID),Nitrogênio)" "$(or $(T),90)"; \
	else \
	  cd run && exec ../$(BUILD)/platform/gtk/quelrin; \
	fi

test: build
	@ctest --preset $(PRESET)

bench: build
	$(BUILD)/bench/quelrin-bench

clean:
	rm -rf build
