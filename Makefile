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

# The main job on a built-in default: this project's own source tree (the
# files git tracks, so that build directories stay out), recursively, as an
# HTML report.
REPORT ?= out/quillstat-report.html
SOURCE_COPY = out/quillstat-source
run: build
	@rm -rf $(SOURCE_COPY) && mkdir -p $(SOURCE_COPY) $(dir $(REPORT))
	@if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then \
	  git ls-files -z | xargs -0 cp --parents -t $(SOURCE_COPY); \
	else \
	  cp -r engine analysis report ui tests bench $(SOURCE_COPY); \
	fi
	@$(BUILD)/ui/quillstat -d $(SOURCE_COPY) -s -t html -o $(REPORT); status=$$?; \
	echo "report: $(CURDIR)/$(REPORT)"; exit $$status

# Whole-program comparison on the Linux source tree (downloads it once).
bench: build
	bench/compare.sh $(BUILD)/ui/quillstat

clean:
	rm -rf $(BUILD)
