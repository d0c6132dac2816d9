# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The two entry points of README.md. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
SANITIZE_DIR ?= build-asan
DEB_DIR ?= build-deb

.PHONY: deps configure build run test clean

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGP_WERROR=ON

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/gal-portrait

# The licence check first (it takes seconds); then the tests, every test once more with
# AddressSanitizer and UBSan built in, and the Debian package, built and checked as an archive
# would (lintian).
test: build
	reuse lint
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(SANITIZE_DIR) -DGP_SANITIZE=ON -DGP_WERROR=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) deb
	scripts/check-package.sh $(DEB_DIR)

# The Debian source package and gal-portrait_<version>-1_amd64.deb in $(DEB_DIR), built from a
# copy of the tree (scripts/build-deb.sh). Its build runs the tests again (seconds): it is the
# only build with the distribution's flags, and the binary it tests is the one shipped.
.PHONY: deb
deb: deps
	JOBS=$(JOBS) DEB_BUILD_OPTIONS="$(DEB_BUILD_OPTIONS)" scripts/build-deb.sh $(DEB_DIR)

# The README's pictures of the window, in Japanese and in English (scripts/screenshot.sh).
.PHONY: screenshot
screenshot: build
	LANG=C.UTF-8 scripts/screenshot.sh $(BUILD_DIR)/bin/gal-portrait docs/screenshot.png
	LANG=en_US.UTF-8 scripts/screenshot.sh $(BUILD_DIR)/bin/gal-portrait docs/screenshot-en.png

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(DEB_DIR)
