# Everyday commands. `make run` and `make test` install what is missing on Debian first.
BUILD_DIR := build/cross

.PHONY: all deps build run test bench dist fuzz clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset cross
	cmake --build --preset cross

run: build
	tools/run.sh $(BUILD_DIR)/Vantorelle.exe

test: build
	ctest --preset cross

# Figures for docs/performance.md, measured under Wine in a private prefix.
bench: build
	tools/bench.sh $(BUILD_DIR)

# The distributable program (static, stripped, with its icon and version block), seen to
# start under Wine, then zipped reproducibly with the checksums beside it in dist/.
dist: deps
	tools/dist.sh

# The record check under libFuzzer and AddressSanitizer, built natively with clang.
FUZZ_DIR := build/fuzz
FUZZ_TIME ?= 60

fuzz:
	@tools/install-deps.sh fuzz
	mkdir -p $(FUZZ_DIR)/corpus
	clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
		tests/fuzz/RecordCheckFuzz.cpp index/RecordCheck.cpp index/PathText.cpp -o $(FUZZ_DIR)/RecordCheckFuzz
	$(FUZZ_DIR)/RecordCheckFuzz -max_total_time=$(FUZZ_TIME) -max_len=2640 $(FUZZ_DIR)/corpus

clean:
	rm -rf build dist
