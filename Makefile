# SPDX-License-Identifier: MIT
# The two commands of the README: `make run` and `make test`.
.PHONY: deps run test build-release build-test package format bench fuzz clean

# As many compilers at once as the machine has cores: ninja's own default of two more than
# that makes a cold build on two cores slower, not faster (101 s against 86 s, and more CPU).
JOBS ?= $(shell nproc)

deps:
	@bash scripts/install-deps.sh

build-release: deps
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS)

build-test: deps
	cmake --preset test
	cmake --build --preset test --parallel $(JOBS)

run: build-release
	./build/release/tonvale

test: build-test
	ctest --preset test

bench: build-release
	./build/release/bench/tonvale_bench

# The Debian package, from a lean release build: build/package/package/tonvale_*.deb.
package: deps
	cmake --preset package
	cmake --build --preset package
	cd build/package && cpack -G DEB

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# libFuzzer targets (clang): the stored-number reading and eval's line reading,
# each run for FUZZ_SECONDS on a corpus kept in build/fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz:
	cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build build/fuzz -j2
	@for t in stored_number eval_lines; do \
		mkdir -p build/fuzz/corpus/$$t && \
		./build/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			build/fuzz/corpus/$$t fuzz/seeds/$$t || exit 1; \
	done

clean:
	rm -rf build
