# Brenvik Burn: the two commands of a fresh machine.
#   make demo   install what is missing, build the native program, run the main job on the sample
#   make test   install what is missing, build every build, run every test (native, ASan/UBSan,
#               TSan, Windows under Wine, end to end); non-zero on any failure
# The Windows tests run on the 32-bit build where this machine runs 32-bit
# programs, else on the 64-bit build under 64-bit Wine (tools/windows-tier.sh);
# BB_FORCE_WIN64=1 picks the 64-bit tier anywhere. The 32-bit build, the
# product, is built on every machine.
SHELL := /bin/bash
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# Debian packages. The native build needs the first line; the Windows builds and
# their tests the second; the independent disc-image readers of the tests the third.
# wine32:i386 installs on every machine, though only some can start it.
PKGS_NATIVE := cmake make g++ googletest pkg-config libburn-dev
PKGS_WIN32  := g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 xvfb xauth imagemagick fonts-wine xdotool fp-utils-3.2.2
PKGS_READERS := genisoimage p7zip-full lsdvd xorriso udftools
# The fuzz harnesses: clang with libFuzzer and its sanitizer runtimes.
PKGS_FUZZ := clang libclang-rt-14-dev

.PHONY: all demo test deps-native deps-all native native-asan native-tsan win32 win64 \
        test-native test-asan test-tsan test-win32 test-win64 test-windows fuzz test-fuzz clean

all: native

define install_missing
	@missing=""; for p in $(1); do dpkg -s "$$p" >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    if echo "$$missing" | grep -q ':i386'; then $(SUDO) dpkg --add-architecture i386; fi; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps-native:
	$(call install_missing,$(PKGS_NATIVE) $(PKGS_READERS))

deps-all:
	$(call install_missing,$(PKGS_NATIVE) $(PKGS_READERS) $(PKGS_WIN32) $(PKGS_FUZZ))

native:
	cmake --preset native >/dev/null
	cmake --build build/native -j$(JOBS)

native-asan:
	cmake --preset native-asan >/dev/null
	cmake --build build/native-asan -j$(JOBS)

native-tsan:
	cmake --preset native-tsan >/dev/null
	cmake --build build/native-tsan -j$(JOBS)

win32:
	cmake --preset win32 >/dev/null
	cmake --build build/win32 -j$(JOBS)

win64:
	cmake --preset win64 >/dev/null
	cmake --build build/win64 -j$(JOBS)

demo: deps-native native
	@tools/demo.sh build/native

test-native: native
	ctest --test-dir build/native --output-on-failure -j$(JOBS)

# Sanitizers on the fast tests: every unit test, the whole job suite included,
# under AddressSanitizer/UBSan and under ThreadSanitizer.
test-asan: native-asan
	ctest --test-dir build/native-asan -L unit --output-on-failure -j$(JOBS)

test-tsan: native-tsan
	TSAN_OPTIONS="suppressions=$(CURDIR)/tests/support/tsan-suppressions.txt $$TSAN_OPTIONS" \
	    ctest --test-dir build/native-tsan -L unit --output-on-failure -j$(JOBS)

# A Windows tier that ran no test fails (--no-tests=error).
test-win32: win32
	ctest --test-dir build/win32 --no-tests=error --output-on-failure -j$(JOBS)

test-win64: win64
	ctest --test-dir build/win64 --no-tests=error --output-on-failure -j$(JOBS)

# The 32-bit build is always built, so its compile-time checks of the record
# layouts and calling conventions run everywhere; its tests run where the
# machine can start it.
test-windows: win32
	@tier=$$(tools/windows-tier.sh build) && [ -n "$$tier" ] && $(MAKE) test-$$tier

# Every fuzz harness for FUZZ_SECONDS each (default 60); "make fuzz FUZZ_SECONDS=600 HARNESS=root_scan"
# runs one for longer. Inputs that fail are left in build/fuzz/crashes/.
FUZZ_SECONDS ?= 60
fuzz:
	$(call install_missing,$(PKGS_NATIVE) $(PKGS_FUZZ))
	tools/fuzz.sh $(FUZZ_SECONDS) $(HARNESS)

# The stored inputs are replayed by every native tier's ctest; this runs each
# harness briefly on top.
test-fuzz:
	tools/fuzz.sh 20

test: deps-all
	$(MAKE) test-native
	$(MAKE) test-asan
	$(MAKE) test-tsan
	$(MAKE) test-fuzz
	$(MAKE) test-windows
	@echo "make test: all tests passed"

clean:
	rm -rf build
