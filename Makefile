# Thin wrapper over CMake for a fresh Debian 12 machine: installs what is
# missing, configures, builds, then tests or runs.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config libgtest-dev libbenchmark-dev qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core libxml2-utils python3 jq man-db groff-base parallel git
FUZZ_PACKAGES = clang libclang-rt-14-dev
# The Windows cross build: MinGW-w64 with std::thread, GoogleTest as source
# (/usr/src/googletest, compiled with the project), Wine to run the tests.
WINDOWS_PACKAGES = cmake make g++-mingw-w64-x86-64-posix googletest wine64
# The dashboard's test drives a headless browser (a stress case).
BROWSER_PACKAGES = chromium nodejs
# The Debian package: cpack's dependency list needs dpkg-shlibdeps and file.
DEB_PACKAGES = dpkg-dev file

.PHONY: all deps fuzz-deps windows-deps browser-deps deb-deps configure build test stress sanitize fuzz package package-test windows windows-test ci run bench clean

all: build

# Installs the Debian packages of the list $(1) that are missing. On a fresh
# machine an automatic update often holds the package manager's lock: apt
# is told to wait for it (up to ten minutes) rather than fail at once.
APT_WAIT = -o DPkg::Lock::Timeout=600
define install-missing
	@missing=$$(for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:" $$missing "(waiting for any other package installation to end first)"; \
	  sudo=$$([ "$$(id -u)" = 0 ] || echo sudo); \
	  $$sudo apt-get $(APT_WAIT) update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get $(APT_WAIT) install -y -qq \
	    --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

fuzz-deps:
	$(call install-missing,$(FUZZ_PACKAGES))

windows-deps:
	$(call install-missing,$(WINDOWS_PACKAGES))

browser-deps:
	$(call install-missing,$(BROWSER_PACKAGES))

deb-deps:
	$(call install-missing,$(DEB_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The everyday suite; the slow cases (label "stress") run in `make stress`.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE stress

stress: build browser-deps deb-deps
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L stress

# The Debian package of the build: $(BUILD)/quillstat_<version>_<arch>.deb.
package: build deb-deps
	cd $(BUILD) && cpack -G DEB

# The package built and read back, then, run as root, installed into this
# system, tried, purged and looked for anything left behind.
package-test: build deb-deps
	bash tests/package_test.sh $(BUILD) $(BUILD)/package-test --install

# The whole test suite again, window tests included, built with the address
# and undefined-behaviour sanitizers: any report fails the test that caused it.
# Built at -O1 with line tables alone, it takes half the build time of -O2 -g
# (the language rows' machines dominate it), runs the tests as fast, and its
# reports still name file and line.
SANITIZED_BUILD ?= build-sanitized
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: deps
	cmake -S . -B $(SANITIZED_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DQUILLSTAT_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZED_BUILD) -j $(JOBS)
	cd $(SANITIZED_BUILD) && ctest --output-on-failure -j $(JOBS) -LE stress

# Each libFuzzer target for FUZZ_SECONDS (see fuzz/run.sh).
FUZZ_SECONDS ?= 20
fuzz: fuzz-deps deps
	fuzz/run.sh $(FUZZ_SECONDS)

# What CI runs: every test, the package installed, the sanitized tests, the
# fuzzers.
ci: test stress package-test sanitize fuzz

# The Windows program, cross-built: $(WINDOWS_BUILD)/ui/quillstat.exe, static,
# batch mode only. Its tests run under Wine in a prefix of the build's own;
# one of them compares its reports with the Linux build's, so that is built too.
WINDOWS_BUILD ?= build-windows
windows: windows-deps
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DQUILLSTAT_BUILD_GUI=OFF -DQUILLSTAT_BUILD_BENCHMARKS=OFF \
	  -DQUILLSTAT_GTEST_SOURCE_DIR=/usr/src/googletest \
	  -DQUILLSTAT_HOST_PROGRAM=$(abspath $(BUILD))/ui/quillstat
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

windows-test: windows build
	cd $(WINDOWS_BUILD) && $(abspath cmake/wine-ctest.sh) --output-on-failure -j $(JOBS)

# The main job on a built-in default: the dashboard of this repository, read
# by -l auto with the exact rules and git's ignore rules (outside a git
# checkout, its source folders), with the todo list beside it and a line of
# what they hold (cmake/repository_dashboard.sh).
# It builds the batch program alone, in a tree of its own, so that it needs
# neither Qt nor the test libraries.
OUT ?= out
RUN_BUILD ?= build-run
RUN_PACKAGES = cmake g++ make git
run:
	$(call install-missing,$(RUN_PACKAGES))
	cmake -S . -B $(RUN_BUILD) -DCMAKE_BUILD_TYPE=Release -DQUILLSTAT_BUILD_GUI=OFF \
	  -DQUILLSTAT_BUILD_TESTS=OFF -DQUILLSTAT_BUILD_BENCHMARKS=OFF
	cmake --build $(RUN_BUILD) -j $(JOBS) --target quillstat
	@bash cmake/repository_dashboard.sh $(RUN_BUILD)/ui/quillstat . $(OUT)

# Whole-program comparison on the Linux source tree (downloads it once).
bench: build
	bench/compare.sh $(BUILD)/ui/quillstat

clean:
	rm -rf $(BUILD) $(RUN_BUILD) $(WINDOWS_BUILD)
