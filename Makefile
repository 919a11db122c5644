# Two commands for a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Lumtaris
#   make test   installs what is missing, builds and runs every test: the Linux suites, the same
#               under sanitizers, a short fuzz run, and the core's suite for Windows under Wine
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test setup build

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMTARIS_WERROR=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/lumtaris

test: build
	@BUILD=$(BUILD) JOBS=$(JOBS) scripts/test-all
