# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps configure build run test bench clean windows windows-test windows-package

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD)/cli/quelrin-calc --db data/dados.txt --log "$(or $(FLUID),Nitrogênio)" "$(or $(T),90)"

test: build windows-test
	@ctest --preset $(PRESET)

bench: build
	$(BUILD)/bench/quelrin-bench

# The Windows program, cross-built with mingw-w64: build/windows/quelrin.exe.
windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target quelrin

# Its tests, run under Wine (the dialogs on a private Xvfb display).
windows-test: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows
	@ctest --preset windows

# build/windows/quelrin-win64.zip, ready for a Windows user; the help file
# goes in when the project builds one.
windows-package: windows configure
	@if ninja -C $(BUILD) -t targets all 2>/dev/null | grep -q '^quelrin_help:'; then \
	  cmake --build --preset $(PRESET) --target quelrin_help; fi
	@scripts/package-windows.sh $(BUILD)/help/quel.chm

clean:
	rm -rf build
