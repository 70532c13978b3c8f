# Telvana: `make run` builds and starts the program, `make test` builds and runs every test.
# Everything else is set up by these targets on a fresh machine.

BUILD      := build
NATIVE     := $(BUILD)/native
ASAN       := $(BUILD)/asan
WIN        := $(BUILD)/win
FUZZ       := $(BUILD)/fuzz
CMAKE_GEN  := -G Ninja

.PHONY: all deps native asan win run test check-format test-native test-asan test-win bench fuzz clean format

all: native win

deps:
	@bash tools/setup-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE)

asan: deps
	@cmake -S . -B $(ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTELVANA_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN)

# The Windows tree packs its skins with the native tree's skingen and skintool.
win: deps native
	@prefix=$$(bash tools/build-libjpeg.sh | tail -n 1) && \
	  cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	    -DTELVANA_JPEG_PREFIX=$$prefix \
	    -DTELVANA_NATIVE_TOOLS=$(CURDIR)/$(NATIVE) >/dev/null
	@cmake --build $(WIN)

run: win
	@bash tools/run.sh $(WIN)/Telvana.exe

test: check-format test-native test-asan test-win

check-format: deps
	@bash tools/check-format.sh

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure

test-asan: asan
	@cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure

test-win: win
	@bash tools/with-display.sh bash -c 'cd $(WIN) && ctest --output-on-failure'

bench: native win
	@bash tools/bench.sh $(NATIVE) $(WIN)

# Fails when a target finds a fault; see tools/fuzz.sh.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTELVANA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) --target telvana_fuzzers
	@bash tools/fuzz.sh $(FUZZ) $${FUZZ_SECONDS:-60}

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
