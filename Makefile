# Two commands do everything: `make run` and `make test`.
PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup build run test clean format screenshot

all: build

setup:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake --preset $(PRESET)

build: setup $(BUILD_DIR)/build.ninja
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./$(BUILD_DIR)/app/quillet

test: build
	ctest --preset $(PRESET) -j $(JOBS)

screenshot: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tools/quillet-snapshot \
	  --year 2025 --month 10 --today 2025-10-06 --out docs/screenshot.png

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
