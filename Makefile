# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The two commands of the README: `make run` and `make test`. Each installs what is
# missing from Debian's packages, configures and builds. The builds are the presets of
# CMakePresets.json, each in its own folder: default (build), core (build-core), asan
# (build-asan).

JOBS ?= $(shell nproc)

# The program's Song face is cut out of fonts-arphic-uming's at build time (fonts/).
BUILD_PACKAGES := cmake g++ ninja-build pkg-config qt6-base-dev libpulse-dev libsndfile1-dev \
                  libxcb1-dev libxcb-render0-dev libgtest-dev fontconfig fonts-arphic-uming python3-fonttools
RUN_PACKAGES   := qt6-translations-l10n fonts-dancingscript
TEST_PACKAGES  := xvfb xauth xdotool x11-utils imagemagick sox pulseaudio pulseaudio-utils \
                  python3 clang libclang-rt-dev \
                  appstream desktop-file-utils weston qt6-wayland \
                  python3-pyatspi gir1.2-atspi-2.0 dbus dbus-x11 at-spi2-core python3-xlib \
                  openbox xfwm4 mutter xwayland kwin-wayland kwin-style-breeze \
                  orca speech-dispatcher reuse clang-format

.PHONY: run test build deps test-deps clean package package-check test-release lint format-check format bench-peer

deps:
	@tools/install-packages $(BUILD_PACKAGES) $(RUN_PACKAGES)

test-deps: deps
	@tools/install-packages $(TEST_PACKAGES)

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

run: build
	cd build && ./tappon

# The core and its unit tests built once more with Qt out of reach (TAPPON_GUI=OFF), so
# that an include of Qt that creeps into the core fails; the whole suite; then the unit
# and widget tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# minute of real play by the sanitizer build.
# The asan preset runs them with intercept_tls_get_addr=0: with it on, Debian 12's
# LeakSanitizer meets a dynamic TLS block with nonsense bounds at the exit of the Qt tests
# that show the main window, and its tracer crashes after every test has passed.
test: test-deps build
	cmake --preset core
	cmake --build --preset core -j $(JOBS)
	ctest --preset core -j $(JOBS)
	ctest --preset default -j $(JOBS)
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	ctest --preset asan-e2e

# The Debian package build/tappon_<version>_<arch>.deb; its dependencies are computed
# by dpkg-shlibdeps. Install it with `sudo apt install ./build/tappon_*.deb`.
package: build
	@tools/install-packages dpkg-dev file
	rm -f build/tappon_*.deb
	cd build && cpack -G DEB

# The package checked with lintian, installed with apt, started, and removed again.
package-check: package
	packaging/check_package.sh build/tappon_*.deb

# The same targets on a fresh Debian release in a debootstrap root (needs root or sudo):
#   make test-release RELEASE=trixie [TARGETS="test package-check"]
RELEASE ?= trixie
TARGETS ?= test package-check
test-release:
	tools/test-release $(RELEASE) $(TARGETS)

# Not a test: the program beside Debian's tuxtype, with its field drawn on the X server
# and by Qt alone (bench/variants.py), into bench/variants-<release>.md. On another
# release: make test-release RELEASE=trixie TARGETS=bench-peer (with TAPPON_RELEASE_KEEP=1
# to keep the root, and the results in it).
BENCH_ROUNDS ?= 3
BENCH_GAME_S ?= 20
bench-peer: build
	@tools/install-packages xvfb xauth dbus python3-xlib tuxtype
	dbus-run-session -- /usr/bin/python3 bench/variants.py \
	    bench/variants-$$(. /etc/os-release && echo $$VERSION_CODENAME).md $(BENCH_ROUNDS) $(BENCH_GAME_S) \
	    field=build/tappon qtpaint=build/tappon:TAPPON_X11_FIELD=0

# Every file's licence and copyright, as the REUSE rules ask (.reuse/dep5, LICENSES/).
lint:
	@tools/install-packages reuse
	reuse lint

# The C++ sources laid out as .clang-format says: format-check names the files that are
# not, format rewrites them (review what it changes before committing).
format-check:
	@tools/install-packages clang-format
	tools/check-format

format:
	@tools/install-packages clang-format
	tools/check-format --fix

clean:
	rm -rf build build-core build-asan build-release
