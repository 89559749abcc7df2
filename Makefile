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

clean:
	rm -rf build dist
