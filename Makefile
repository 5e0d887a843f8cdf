# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD := build/$(PRESET)

FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test bench clean windows windows-test windows-package windows-installer \
        web web-test web-run package package-test sanitize fuzz memcheck

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

# The calculator in run/ (git-ignored): the shipped database copied there
# unless one is already there, and the help. Without a display, the
# command-line calculation instead. Only what it runs is built: the GTK
# program, quelrin-calc and the help, not the tests and benchmarks.
run: configure
	@cmake --build --preset $(PRESET) --target quelrin quelrin-calc quelrin_help
	@mkdir -p run
	@[ -e run/dados.txt ] || cp data/dados.txt run/dados.txt
	@cp $(BUILD)/help/quel.chm run/quel.chm
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open the calculator on: running the command-line calculation instead."; \
	  $(BUILD)/cli/quelrin-calc --db run/dados.txt --log "$(or $(FLUID),Nitrogênio)" "$(or $(T),90)"; \
	else \
	  cd run && exec ../$(BUILD)/platform/gtk/quelrin; \
	fi

test: build windows-test web-test
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

# The Windows program, cross-built with mingw-w64: build/windows/quelrin.exe.
windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target quelrin

# Its tests, run under Wine (the dialogs on a private Xvfb display).
windows-test: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows
	@ctest --preset windows

# The web page, built with emscripten in build/web, and the core's tests
# for it. The preset gives em++ the Node modules of Debian's node-* packages,
# which a Node other than Debian's does not look in.
web: deps
	@cmake --preset web >/dev/null
	@cmake --build --preset web

# Those tests, run under Node, and the page in headless Chromium.
web-test: web
	@ctest --preset web

# The page served from build/web on this machine, for a browser to open.
web-run: deps
	@cmake --preset web >/dev/null
	@cmake --build --preset web --target quelrin_site
	@echo "Quelrin na web: http://127.0.0.1:8080/ (Ctrl+C para parar)"
	@/usr/bin/python3 -m http.server 8080 --bind 127.0.0.1 --directory build/web

# build/windows/quelrin-win64.zip, ready for a Windows user; the help file
# goes in when the project builds one.
windows-package: windows configure
	@if ninja -C $(BUILD) -t targets all 2>/dev/null | grep -q '^quelrin_help:'; then \
	  cmake --build --preset $(PRESET) --target quelrin_help; fi
	@scripts/package-windows.sh zip $(BUILD)/help/quel.chm

# build/windows/quelrin-VERSION.msi: a per-user Windows installer, built with
# wixl.
windows-installer: windows configure
	@cmake --build --preset $(PRESET) --target quelrin_help
	@scripts/package-windows.sh msi $(BUILD)/help/quel.chm

# build/packages/quelrin_VERSION_amd64.deb: the programs, their files and
# what packaging/ adds, through CPack.
package: configure
	@cmake --build --preset $(PRESET) --target quelrin quelrin-calc quelrin_help quelrin_package_files
	@cd $(BUILD) && cpack -G DEB

# Both packages installed, run and removed as a user's system would (apt-get
# for the .deb, msiexec under Wine for the .msi).
package-test: package windows-installer
	@tests/packages/package_test.sh

clean:
	rm -rf build
