# Two commands a user needs:
#   make run    install what is missing, build, and start Ondulix
#   make test   install what is missing (test tools too), build, and run the whole suite
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
# The same tests once more with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# targets on the same sanitized libraries, in a build folder of their own, made with clang (see
# cmake/Hardening.cmake).
SANITIZE_DIR ?= build-sanitize
# The code that two threads share, with ThreadSanitizer and without Qt (tests/tsan/).
TSAN_DIR ?= build-tsan
FUZZ_SECONDS ?= 60
# What every `make test` gives each fuzz target: enough to meet a regression near the seeds.
FUZZ_TEST_SECONDS ?= 15

.PHONY: run test build deps test-deps configure bench format clean install package sanitize-test \
	sanitize-configure tsan-test fuzz fuzz-build

run: deps build
	./$(BUILD_DIR)/src/app/ondulix

# The suite runs once, in the sanitizer build, which finds all that the plain build would and
# more. The plain build makes what the package holds, for the package test, and the benchmarks,
# so that `make bench` keeps compiling: they share the plain build's libraries.
test: CMAKE_FLAGS += -DONDULIX_TESTS=ON
test: test-deps configure
	cmake --build $(BUILD_DIR) --target ondulix_package_files ondulix_bench
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600 -L package
	$(MAKE) sanitize-test
	$(MAKE) tsan-test
	bash tests/fuzz/run_fuzz.sh $(SANITIZE_DIR) $(FUZZ_TEST_SECONDS)

# Debug (-O0) builds fastest, and the sanitizers find the same faults at any level; the fuzz
# targets' libraries alone are optimized (-O2), for the fuzzer's speed.
sanitize-configure: test-deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
		-DONDULIX_TESTS=ON -DONDULIX_SANITIZE=ON -DONDULIX_FUZZ=ON

# The tests, and the fuzz targets built beside them.
sanitize-test: sanitize-configure
	cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && ctest --output-on-failure --timeout 600 -j2

# Optimized, as ThreadSanitizer advises; the stress test is bounded in time, not in work.
tsan-test: test-deps
	cmake -S tests/tsan -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(TSAN_DIR)
	cd $(TSAN_DIR) && ctest --output-on-failure --timeout 120

fuzz-build: sanitize-configure
	cmake --build $(SANITIZE_DIR) --target ondulix_fuzz_targets

# Each fuzz target for FUZZ_SECONDS: make fuzz FUZZ_SECONDS=600
fuzz: fuzz-build
	bash tests/fuzz/run_fuzz.sh $(SANITIZE_DIR) $(FUZZ_SECONDS)

bench: CMAKE_FLAGS += -DONDULIX_TESTS=ON
bench: test-deps build
	./$(BUILD_DIR)/bench/ondulix_bench

# make install   builds and installs under PREFIX (default /usr/local); DESTDIR=DIR stages it
# make package   builds the Debian package $(BUILD_DIR)/ondulix_VERSION_ARCH.deb
install: deps build
	cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

package: deps build
	cmake --build $(BUILD_DIR) --target package

deps:
	bash scripts/install-deps.sh

test-deps:
	bash scripts/install-deps.sh --test

# Tests are built when GoogleTest and Google Benchmark are present, as they are after test-deps.
configure:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(TSAN_DIR)
