# The two set-up commands: `make run` and `make test`.
.PHONY: run test deps build build-sanitize

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize

# Builds, makes a sample game folder and starts pso on it (under Xvfb without a display).
run: build
	tools/run-sample.sh build

# Builds and runs every test, first normally, then under the sanitizers, then a short run of
# each fuzz target (clang).
test: build build-sanitize
	ctest --preset default
	ctest --preset sanitize
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz
