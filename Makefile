# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Tallywick
#   make test   installs what is missing, builds and runs every test headless

# Every Debian package the program, its tests and its tools need, in one place.
DEBIAN_PACKAGES := build-essential cmake qt6-base-dev qt6-base-private-dev libgl-dev fonts-wine binutils-mingw-w64-x86-64 xvfb xauth \
	desktop-file-utils appstream qt6-l10n-tools qt6-translations-l10n python3-xlib
BENCH_PACKAGES := libbenchmark-dev dbus-daemon
PACKAGE_PACKAGES := debhelper lintian
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 nsis ninja-build dpkg-dev xdotool debian-keyring \
	wixl msitools osslsigncode openssl locales

BUILD_DIR ?= build
BENCH_DIR ?= build-bench
SAN_DIR ?= build-san
DEB_DIR ?= build-deb
FUZZ_DIR ?= build-fuzz
WIN_DIR ?= build-win
# A Windows Qt of your own (static, for x86_64-w64-mingw32) instead of the one built from Debian's
# source: make windows WINQT_PREFIX=/path/of/its/install
WINQT_PREFIX ?=
# Signing the Windows program and packages (unsigned by default):
#   make windows SIGN_PFX=cert.pfx SIGN_PASS=password [SIGN_TIMESTAMP_URL=RFC 3161 server]
# The signatures are then verified against SIGN_CA (a PEM file) or the system's CAs.
SIGN_PFX ?=
SIGN_TIMESTAMP_URL ?=
SIGN_CA ?=
# Inputs per fuzz target for a bounded run, about four minutes in all; FUZZ_SECONDS=n runs each for n
# seconds instead. The term limit target drives the real Setup window and the generator target
# builds a new exact sampler for each input, so those two run fewer inputs.
FUZZ_RUNS_termlimit ?= 60000
FUZZ_RUNS_storedposition ?= 2000000
FUZZ_RUNS_generator ?= 15000
FUZZ_TARGETS := termlimit storedposition generator
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps bench sanitize package fuzz translations windows clean

run: build
	./$(BUILD_DIR)/tallywick

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYWICK_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Brings translations/*.ts up to date with the texts in the code, for translators to fill in.
translations: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYWICK_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD_DIR) --target update_translations

# Installs only the packages that are missing, so a machine that has them all needs no root.
deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES) $(EXTRA_PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing Debian packages:" $$missing; \
		$(SUDO) apt-get update -q && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

# Speed and cost figures of the drill, not part of the tests: a Release build with the benchmark
# programs, then the generator's timings with their ratios to the defaults', start-up beside a plain
# Qt window under a private session bus, and the reveal wait's CPU.
bench:
	$(MAKE) deps EXTRA_PACKAGES="$(BENCH_PACKAGES)"
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTALLYWICK_BENCHMARKS=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target bench_generator random_settings_probe \
		startup_compare reveal_wait_probe
	./$(BENCH_DIR)/benchmarks/bench_generator
	./$(BENCH_DIR)/benchmarks/random_settings_probe 1 2000
	xvfb-run -a dbus-run-session -- ./$(BENCH_DIR)/benchmarks/startup_compare
	xvfb-run -a ./$(BENCH_DIR)/benchmarks/reveal_wait_probe

# Every test again in a build with AddressSanitizer and UndefinedBehaviorSanitizer; the first
# report stops its test, so a pass means no report at all.
sanitize: deps
	cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYWICK_SANITIZE=ON \
		-DTALLYWICK_WARNINGS_AS_ERRORS=ON
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error

# The Debian package, built by Debian's own tools from a copy of the tree, so the .deb and the
# build's leftovers land in $(DEB_DIR)/ and not beside the repository; lintian then checks it.
package:
	$(MAKE) deps EXTRA_PACKAGES="$(PACKAGE_PACKAGES)"
	rm -rf $(DEB_DIR) && mkdir -p $(DEB_DIR)/tallywick
	tar -c --exclude-vcs --exclude='./build*' --exclude=./.cache . | tar -x -C $(DEB_DIR)/tallywick
	cd $(DEB_DIR)/tallywick && dpkg-buildpackage -b -us -uc -j$(JOBS)
	lintian --fail-on error $(DEB_DIR)/tallywick_*.deb

# The libFuzzer targets, built with Clang in their own tree (Qt itself stays as Debian built it).
# Each starts from its seed corpus under tests/fuzz/corpus and keeps what it finds in $(FUZZ_DIR).
fuzz:
	$(MAKE) deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYWICK_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_DIR) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	$(foreach t,$(FUZZ_TARGETS),mkdir -p $(FUZZ_DIR)/corpus/$(t) && \
		QT_QPA_PLATFORM=offscreen ./$(FUZZ_DIR)/tests/fuzz/fuzz_$(t) -seed=1 -max_len=4096 \
		$(if $(FUZZ_SECONDS),-max_total_time=$(FUZZ_SECONDS),-runs=$(FUZZ_RUNS_$(t))) \
		-artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus/$(t) tests/fuzz/corpus/$(t) &&) true

# The Windows program, cross-built with MinGW against a static Qt that resources/windows/build-qt.sh
# builds once from Debian's qt6-base source and keeps in ~/.cache/tallywick/winqt; every suite then
# runs under Wine, the zip, the installer and the MSI are packed, and all are tried as a user would.
# Wine's menu builder stays off wherever Wine runs, so nothing lands in the builder's menus.
windows: export WINEDLLOVERRIDES := winemenubuilder.exe=d
windows: export SIGN_PASS := $(SIGN_PASS)
windows:
	$(MAKE) deps EXTRA_PACKAGES="$(WINDOWS_PACKAGES)"
	rm -rf $(WIN_DIR)/absent-qt
	TALLYWICK_QT_SOURCE_VERSION=6.4.2+dfsg-0~absent TALLYWICK_WINQT_CACHE=$(CURDIR)/$(WIN_DIR)/absent-qt \
		resources/windows/build-qt.sh 2>&1 | grep -F 'with TALLYWICK_QT_SOURCE=/path/of/that/folder'
	qt="$(WINQT_PREFIX)"; { [ -n "$$qt" ] || qt=$$(JOBS=$(JOBS) resources/windows/build-qt.sh); } && \
	cmake -S . -B $(WIN_DIR) -DCMAKE_BUILD_TYPE=Release -DTALLYWICK_WARNINGS_AS_ERRORS=ON \
		-DCMAKE_TOOLCHAIN_FILE="$$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/resources/windows/mingw-w64.cmake \
		-DTALLYWICK_SIGN_PFX="$(abspath $(SIGN_PFX))" -DTALLYWICK_SIGN_TIMESTAMP_URL="$(SIGN_TIMESTAMP_URL)"
	cmake --build $(WIN_DIR) -j $(JOBS)
	cd $(WIN_DIR) && ctest --output-on-failure --no-tests=error
	cmake --build $(WIN_DIR) --target windows_check
	$(if $(SIGN_PFX),resources/windows/check-signatures.sh "$(SIGN_CA)" $(WIN_DIR)/resources/windows/*/Tallywick.exe \
		$(WIN_DIR)/Tallywick-*-setup.exe $(WIN_DIR)/installed-Uninstall.exe $(WIN_DIR)/Tallywick-*-win64.msi)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(SAN_DIR) $(DEB_DIR) $(FUZZ_DIR) $(WIN_DIR)
