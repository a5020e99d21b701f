# The two commands of the README: `make run` and `make test`.
.PHONY: deps run test build-release build-test format bench fuzz clean

deps:
	@bash scripts/install-deps.sh

build-release: deps
	cmake --preset release
	cmake --build --preset release

build-test: deps
	cmake --preset test
	cmake --build --preset test

run: build-release
	./build/release/tonvale

test: build-test
	ctest --preset test

bench: build-release
	./build/release/bench/tonvale_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
