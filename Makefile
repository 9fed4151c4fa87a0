# The two everyday commands are `make run` and `make test`; see README.md.
JOBS      ?= $(shell nproc)
BUILD     ?= build
RELEASE   := $(BUILD)/release
SANITIZED := $(BUILD)/asan
BENCH     := $(BUILD)/bench
FUZZ      := $(BUILD)/fuzz
FUZZ_SECONDS ?= 20
DEMO      := $(BUILD)/demo

.PHONY: all deps run test bench fuzz clean

all: run

deps:
	@scripts/install-deps.sh

$(RELEASE)/CMakeCache.txt: | deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTS=OFF

run: deps $(RELEASE)/CMakeCache.txt
	cmake --build $(RELEASE) -j $(JOBS)
	scripts/run-demo.sh $(RELEASE) $(DEMO)

test: deps
	cmake -S . -B $(SANITIZED) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBUILD_TESTS=ON
	cmake --build $(SANITIZED) -j $(JOBS)
	cd $(SANITIZED) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTS=OFF -DBUILD_BENCHMARKS=ON
	cmake --build $(BENCH) -j $(JOBS) --target engine_bench
	$(BENCH)/bench/engine_bench

fuzz: deps
	cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTS=OFF -DBUILD_FUZZERS=ON \
	      -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ) -j $(JOBS)
	@for f in $(FUZZ)/fuzz/*_fuzzer; do \
	  name=$$(basename $$f _fuzzer); \
	  mkdir -p $(FUZZ)/corpus/$$name; \
	  echo "== fuzzing $$name for $(FUZZ_SECONDS) s"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) $(FUZZ)/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD)
