# Everyday targets once the tools are installed (./test.sh installs them).
.PHONY: all run test asan bench fuzz package clean format

all:
	scripts/build.sh build

run: all
	build/quorvane

test: all
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2

# The tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure --parallel 2

bench:
	scripts/build.sh build-bench -DQUORVANE_BENCH=ON -DBUILD_TESTING=OFF
	scripts/run-benchmarks.sh build-bench

# The game-state reader under libFuzzer with both sanitizers, for FUZZ_SECONDS (default 60).
# New inputs go to build-fuzz/corpus; fuzz/corpus holds the seeds and every input that once failed;
# fuzz/statefile.dict the file format's tokens. Each allocation keeps a short stack (4 frames) and freed
# memory waits in a small quarantine (16 MB): a report still names where memory was taken, and the
# run spends its time on inputs instead of recording deep stacks and paging in freed memory.
FUZZ_SECONDS ?= 60
FUZZ_ASAN_OPTIONS = detect_leaks=1:malloc_context_size=4:quarantine_size_mb=16
fuzz:
	CXX=clang++ BUILD_TARGET=fuzz_statefile scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DQUORVANE_FUZZ=ON -DQUORVANE_SANITIZE=ON -DBUILD_TESTING=OFF
	mkdir -p build-fuzz/corpus
	ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) build-fuzz/fuzz/fuzz_statefile -max_total_time=$(FUZZ_SECONDS) \
		-timeout=10 -rss_limit_mb=2048 -dict=fuzz/statefile.dict -artifact_prefix=build-fuzz/ \
		build-fuzz/corpus fuzz/corpus

# A .deb built by CPack, in build/.
package: all
	cd build && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-bench build-fuzz
