# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
# Both install what is missing first (apt-get, through sudo when not root).

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite \
            qt6-charts-dev libsodium-dev libbenchmark-dev libgl-dev libxkbcommon-dev \
            qt6-translations-l10n xvfb xauth fonts-wqy-microhei imagemagick xdotool poppler-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps build asan-test bench clean format

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@cd $(BUILD)/run && if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./binview; \
	  else echo "No display: starting under xvfb-run"; xvfb-run -a -s "-screen 0 1280x1024x24" ./binview; fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBINVIEW_SANITIZE=ON -DBINVIEW_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
