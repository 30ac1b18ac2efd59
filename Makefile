# Thin wrapper over CMake for a fresh Debian 12 machine: installs what is
# missing, configures, builds, then tests or runs.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config libgtest-dev libbenchmark-dev qt6-base-dev qt6-qpa-plugins fonts-dejavu-core libxml2-utils python3

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:" $$missing; \
	  sudo=$$([ "$$(id -u)" = 0 ] || echo sudo); \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The main job on a built-in default: this project's own tree, recursively,
# as an HTML report.
REPORT ?= out/quillstat-report.html
run: build
	@mkdir -p $(dir $(REPORT))
	@$(BUILD)/ui/quillstat -d . -s -t html -o $(REPORT); status=$$?; \
	echo "report: $(CURDIR)/$(REPORT)"; exit $$status

# Whole-program comparison on the Linux source tree (downloads it once).
bench: build
	bench/compare.sh $(BUILD)/ui/quillstat

clean:
	rm -rf $(BUILD)
