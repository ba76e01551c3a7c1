# The two set-up commands: `make run` and `make test`.
.PHONY: run test deps build build-run build-sanitize

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

# Only what `make run` starts: pso, sumfix, the program folder's files and the sample game
# maker (the build preset "run" names them), no tests.
build-run: deps
	cmake --preset default
	cmake --build --preset run

build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize

# Builds, makes a sample game folder and starts pso on it (under Xvfb without a display).
run: build-run
	tools/run-sample.sh build

# Builds and runs every test, first normally, then under the sanitizers, then a short run of
# each fuzz target (clang).
test: build build-sanitize
	ctest --preset default
	ctest --preset sanitize
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz
