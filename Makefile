# Two commands do everything on a fresh Debian 12 machine, as root:
#   make run    install what is missing, build, start m_portal against the demo install
#   make test   install what is missing, build, run every test tier
SHELL := /bin/bash
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build native test test-unit test-sanitize test-fuzz test-wine test-e2e run bench fuzz-long release screenshots clean

all: build

deps:
	@bash scripts/install-deps.sh

# win32: the two deliverables (32-bit), which the Wine tiers run where the
# machine can; win64: the same sources for 64-bit Windows, the tiers' fallback
# elsewhere (scripts/wine-env.sh), built everywhere so that it keeps compiling.
build: deps
	cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD)/win32 -j $(JOBS)
	cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD)/win64 -j $(JOBS)
	mkdir -p dist
	cp $(BUILD)/win32/m_portal.exe $(BUILD)/win32/launcher.exe dist/

native: deps
	cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(BUILD)/native -j $(JOBS)

test-unit: native
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD)/asan -DCMAKE_BUILD_TYPE=Debug -DZANTO_SANITIZE=ON >/dev/null
	cmake --build $(BUILD)/asan -j $(JOBS)
	cd $(BUILD)/asan && ctest --output-on-failure -j $(JOBS)

# libFuzzer targets (clang): about 8 s each; fuzz-long 600 s each, or
# FUZZ_SECONDS per target (make fuzz-long FUZZ_SECONDS=3600). docs/robustness.md.
test-fuzz: deps
	bash tests/fuzz/run.sh $(BUILD)/fuzz short

fuzz-long: deps
	bash tests/fuzz/run.sh $(BUILD)/fuzz long

test-wine: build
	bash tests/wine/run.sh $(BUILD)

test-e2e: build
	bash tests/e2e/run.sh $(BUILD)

test: deps
	bash scripts/test-all.sh $(BUILD)

run: build
	bash scripts/demo.sh $(BUILD)

bench: build
	bash scripts/bench.sh $(BUILD)

# dist/zanto-launcher-<version>.zip: both programs, the players' read-me and
# SHA256SUMS; prints the addresses built in and checks that the build is
# reproducible (scripts/release.sh).
release: build
	JOBS=$(JOBS) bash scripts/release.sh $(BUILD)

# docs/screenshots/: each program's main window, connect dialog and the seven
# pages of its options sheet, from the real programs under Wine.
screenshots: build
	bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD) dist
