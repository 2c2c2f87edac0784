# Two commands a user needs:
#   make run    install what is missing, build, and start Ondulix
#   make test   install what is missing (test tools too), build, and run the whole suite
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: run test build deps test-deps configure bench format clean install package

run: deps build
	./$(BUILD_DIR)/src/app/ondulix

test: CMAKE_FLAGS += -DONDULIX_TESTS=ON
test: test-deps build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600

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
	rm -rf $(BUILD_DIR)
