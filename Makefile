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

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in a
# build folder of its own: before a release, and before closing work that
# touches the dialogue engine, the links or a parser. Any report fails the
# test that made it. The MinGW cross-build (label windows) is left out: its
# compiler has no sanitizers, and nothing of it runs here.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLAR_WERROR=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -LE 'bench|windows'

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
