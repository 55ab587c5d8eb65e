# Everyday commands. Each one installs what it needs first.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: deps configure build run test clean

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
