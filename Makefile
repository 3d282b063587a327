# make run     installs what is missing, builds the window program, starts it
# make test    the same set-up, builds everything, then the whole test suite,
#              once as released and once more with AddressSanitizer and
#              UndefinedBehaviorSanitizer
# make package builds the Debian package (build/zorvane_*.deb) and checks its
#              menu entry and AppStream metadata
# make fuzz  runs every fuzz target for FUZZ_SECONDS each (needs clang)
# make lint  clang-tidy and cppcheck over the project's own code
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
LINT_DIR ?= build-lint

# Debian 12 packages the build needs; DejaVu gives the headless window
# tests the same text metrics on every machine, Noto draws Devanagari, qt6-tools-dev and qt6-l10n-tools
# gather and compile the translations, and poppler-utils lets the
# tests read back the PDF reports.
PACKAGES := build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev zlib1g-dev tzdata \
            fonts-dejavu-core fonts-noto-core nlohmann-json3-dev libcli11-dev poppler-utils \
            libical-dev libswe-dev swe-basic-data qt6-svg-dev libssl-dev

# Only for `make package`, `make fuzz` and `make lint`; the build never needs them.
# dpkg-dev and file let CPack work out the package's library dependencies.
PACKAGE_PACKAGES := dpkg-dev file desktop-file-utils appstream
FUZZ_PACKAGES := clang libclang-rt-14-dev
LINT_PACKAGES := clang clang-tidy cppcheck

# A sanitizer report ends the process with a failure, so the test fails.
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build build-window run test package sanitize-build sanitize-test fuzz lint bench clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the window and the libraries it links: no tests, no benchmarks.
build-window: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target zorvane

run: build-window
	./$(BUILD_DIR)/gui/zorvane

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize-test

# Builds what the package holds and lets CPack pack it, then checks the menu
# entry and the metadata exactly as the package installs them.
PACKAGE_CHECK_DIR := $(BUILD_DIR)/package-contents
package: configure
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGE_PACKAGES)"
	cmake --build $(BUILD_DIR) -j $(JOBS) --target zorvane_package_contents
	rm -f $(BUILD_DIR)/zorvane_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	rm -rf $(PACKAGE_CHECK_DIR)
	dpkg-deb -x $(BUILD_DIR)/zorvane_*.deb $(PACKAGE_CHECK_DIR)
	desktop-file-validate $(PACKAGE_CHECK_DIR)/usr/share/applications/zorvane.desktop
	appstreamcli validate --no-net --pedantic $(PACKAGE_CHECK_DIR)/usr/share/metainfo/*.metainfo.xml
	@ls $(BUILD_DIR)/zorvane_*.deb

# Debug: the quickest to compile, and every check the sanitizers add stays in.
# Test discovery runs the test programs while building, hence the variables.
sanitize-build: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DZORVANE_SANITIZE=ON -DZORVANE_BUILD_BENCH=OFF
	$(SANITIZER_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)

sanitize-test: sanitize-build
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# One target after another, so that fuzzing takes a single core. New inputs
# go to the build dir; the seeds in fuzz/corpus stay as committed. A finding
# is left as $(FUZZ_DIR)/<target>-crash-* and stops the run.
fuzz: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVANE_FUZZ=ON \
	    -DZORVANE_BUILD_GUI=OFF -DZORVANE_BUILD_TESTS=OFF -DZORVANE_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target zorvane_fuzzers
	@for target in $(FUZZ_DIR)/fuzz/*_fuzz; do \
	    name=$$(basename $$target); seeds=fuzz/corpus/$${name%_fuzz}; \
	    mkdir -p $(FUZZ_DIR)/corpus/$$name; \
	    echo "== $$name for $(FUZZ_SECONDS) s"; \
	    $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ_DIR)/$$name- $(FUZZ_DIR)/corpus/$$name $$seeds || exit 1; \
	done

# Our own folders only: never a build dir or a generated file. clang-tidy
# takes its checks from .clang-tidy and the compile flags from a clang build
# dir, which needs Qt's generated headers but no full build.
LINT_FOLDERS := core gui cli fuzz tests bench
empty :=
space := $(empty) $(empty)
lint: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(LINT_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(LINT_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
	    -DZORVANE_FUZZ=ON -DCMAKE_AUTOGEN_ORIGIN_DEPENDS=OFF
	cmake --build $(LINT_DIR) -j $(JOBS) --target \
	    $$(cmake --build $(LINT_DIR) --target help | sed -n 's/^\.\.\. \(.*_autogen\)$$/\1/p')
	@status=0; \
	run-clang-tidy -p $(LINT_DIR) -j $(JOBS) -quiet '^$(CURDIR)/($(subst $(space),|,$(LINT_FOLDERS)))/' || status=1; \
	echo "== cppcheck"; \
	cppcheck --enable=warning,performance,portability --error-exitcode=1 --inline-suppr -q \
	    --std=c++20 --language=c++ --library=qt,googletest,posix -I . --suppress=missingIncludeSystem \
	    $(LINT_FOLDERS) || status=1; \
	exit $$status

bench: build
	./$(BUILD_DIR)/bench/zorvane-bench

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(LINT_DIR)
