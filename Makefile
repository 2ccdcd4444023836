# make run   - install what is missing, build, start Quotabrix
# make test  - install what is missing, build, run every test
# make dictionary - rebuild data/ (word list, index, levels, definitions) from its packages
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)

.PHONY: all deps build run test fuzz bench package dictionary clean

all: build

deps:
	@./tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/quotabrix

test: build
	$(MAKE) fuzz
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# libFuzzer targets, built with clang in a build of their own, each run for
# a bounded time.
fuzz: deps
	@if [ -f tests/fuzz/CMakeLists.txt ]; then \
	  cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	        -DQBRX_GUI=OFF -DQBRX_TESTS=OFF -DQBRX_FUZZ=ON && \
	  cmake --build $(FUZZ_BUILD) -j $(JOBS) && \
	  cd $(FUZZ_BUILD) && ctest --output-on-failure; \
	fi

bench: build
	@for b in $(BUILD)/bench/bench_*; do case "$${b##*/}" in bench_fill_library|*_autogen) ;; *) if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; fi;; esac; done
	@[ ! -x $(BUILD)/bench/bench_fill_library ] || $(BUILD)/bench/bench_fill_library  # minutes a run: once

package: build
	cd $(BUILD) && cpack -G DEB

dictionary:
	@./tools/install-deps.sh generator
	./tools/make_dictionary.py
	./tools/make_definitions.py

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
