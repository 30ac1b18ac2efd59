# Thin wrapper over CMake for a fresh Debian 12 machine: installs what is
# missing, configures, builds, then tests or runs.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config libgtest-dev libbenchmark-dev qt6-base-dev qt6-qpa-plugins fonts-dejavu-core libxml2-utils python3 jq
FUZZ_PACKAGES = clang libclang-rt-14-dev

.PHONY: all deps fuzz-deps configure build test sanitize fuzz ci run bench clean

all: build

# Installs the Debian packages of the list $(1) that are missing.
define install-missing
	@missing=$$(for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:" $$missing; \
	  sudo=$$([ "$$(id -u)" = 0 ] || echo sudo); \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

fuzz-deps:
	$(call install-missing,$(FUZZ_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole test suite again, window tests included, built with the address
# and undefined-behaviour sanitizers: any report fails the test that caused it.
SANITIZED_BUILD ?= build-sanitized
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: deps
	cmake -S . -B $(SANITIZED_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DQUILLSTAT_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZED_BUILD) -j $(JOBS)
	cd $(SANITIZED_BUILD) && ctest --output-on-failure -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS (see fuzz/run.sh).
FUZZ_SECONDS ?= 30
fuzz: fuzz-deps deps
	fuzz/run.sh $(FUZZ_SECONDS)

# What CI runs: the tests, the sanitized tests, the fuzzers.
ci: test sanitize fuzz

# The main job on a built-in default: this project's own C++ sources (the
# files git tracks, so that build directories stay out; without git, those
# of the source directories), as an HTML report that names them by their
# paths in the tree.
REPORT ?= out/quillstat-report.html
SOURCE_PATTERNS = *.cpp *.c *.h *.hpp *.cxx *.hxx
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target quillstat
	@mkdir -p $(dir $(REPORT))
	@if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then \
	  git ls-files -z -- $(foreach p,$(SOURCE_PATTERNS),'$(p)'); \
	else \
	  find engine analysis report ui tests bench fuzz -type f \
	    \( -false $(foreach p,$(SOURCE_PATTERNS),-o -name '$(p)') \) -print0 | sort -z; \
	fi | $(BUILD)/ui/quillstat --files-from - --null -t html -o $(REPORT); status=$$?; \
	echo "report: $(CURDIR)/$(REPORT)"; exit $$status

# Whole-program comparison on the Linux source tree (downloads it once).
bench: build
	bench/compare.sh $(BUILD)/ui/quillstat

clean:
	rm -rf $(BUILD)
