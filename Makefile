# The two set-up commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: deps demo-deps windows-deps configure build run test test-windows bench fuzz package clean

deps:
	@scripts/install-deps.sh

demo-deps:
	@scripts/install-deps.sh --demo

windows-deps:
	@scripts/install-deps.sh --windows

configure:
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DPELLAR_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: demo-deps build
	@scripts/run-demo.sh $(BUILD_DIR)

test: deps build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -LE bench

# The Windows side: the MinGW cross-build and its check program under Wine.
test-windows: windows-deps build
	@cd $(BUILD_DIR) && ctest --output-on-failure -L windows

bench: deps build
	@cd $(BUILD_DIR) && ctest --output-on-failure -L bench

# Each parser of outside input under libFuzzer for FUZZ_SECONDS, in a clang
# build of its own beside the main one (the one the suite's replay uses).
FUZZ_SECONDS ?= 60
fuzz: deps
	@tests/fuzz/fuzz_targets.sh run $(abspath $(BUILD_DIR))/fuzz $(FUZZ_SECONDS)

package: deps build
	@cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
