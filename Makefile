# Everyday commands. Each one installs what it needs first.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: deps configure build run test clean bench test-asan fuzz

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/startup/quorval

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

clean:
	rm -rf $(BUILD)

# Speed, sanitizers and fuzzing, each in a build folder of its own so that none
# of them disturbs the everyday build.
BENCH_BUILD ?= build-bench
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

# Any sanitizer report ends the run with a failure; leaks count as reports.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Release build; prints the table of figures. Timings never fail the build.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAL_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) --target quorval-bench
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD)/bench/quorval-bench

# Every test built with AddressSanitizer and UBSan, run headless.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVAL_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j2

# The .sc reader under libFuzzer for FUZZ_SECONDS; inputs it finds go to
# $(FUZZ_BUILD)/corpus, the seeds stay in tests/fuzz/corpus.
fuzz:
	bash scripts/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVAL_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) --target fuzz_scorecardfile
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/crashes
	cd $(FUZZ_BUILD) && $(SANITIZER_ENV) ./tests/fuzz/fuzz_scorecardfile \
		-max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=crashes/ \
		corpus ../tests/fuzz/corpus
