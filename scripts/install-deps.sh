#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages that kwelt needs, and only those that are missing. Run as root on
# Debian 12, Debian 13 or unstable. With no argument: what building, running, testing and benchmarking on Linux need.
# With "windows": what scripts/windows.sh needs besides, to cross-build kwelt.exe and test it
# under Wine.
set -euo pipefail

packages=(
    g++ cmake make pkg-config  # toolchain
    qt6-base-dev               # Qt Widgets, Qt Test
    libfontconfig-dev          # the dialog font's Latin face, asked of fontconfig
    libwayland-dev wayland-protocols libwayland-bin qt6-base-private-dev  # asking a Wayland compositor to activate a window
    fonts-thai-tlwg            # Thai glyphs for every text of the program
    fonts-dejavu-core          # the Latin user-interface font
    fonts-liberation2          # what "Times New Roman" resolves to
    fonts-liberation           # Liberation Sans 1, one of the desktop fonts the layout is tried with
    fonts-cantarell            # GNOME's desktop font, another
    fontconfig                 # fc-list, fc-match: the font tests choose their fonts through it
    libgtest-dev               # core tests
    libbenchmark-dev           # benchmarks
    xvfb xauth                 # a real X display for screenshots and window-manager tests
    openbox                    # a real window manager for the focus tests
    weston qt6-wayland         # a Wayland compositor, and Qt's client side of it
    mutter                     # GNOME's compositor, nested on Xvfb, for focus under real input
    x11-apps imagemagick       # xwd and convert: screenshots of a whole (nested Wayland) desktop
    x11-utils                  # xprop, xwininfo: what the window manager was told
    xdotool                    # keys and clicks through the X server
    at-spi2-core dbus          # the accessibility bus: what a screen reader is told
    binutils-mingw-w64-x86-64  # windres: checks the Windows resource script
    python3-minimal python3-pefile  # reads the compiled resources back
    desktop-file-utils         # desktop-file-validate
    appstream                  # appstreamcli validate
    devscripts                 # hardening-check on the installed program
    git                        # the licence check tells kwelt's own files by what git tracks
    reuse                      # reuse lint: every file's licence
    lintian                    # checks the Debian package
    dpkg-dev                   # dpkg-shlibdeps for the package's dependencies
    file                       # cpack's strip step asks what each file is
    librsvg2-bin               # rsvg-convert: the scalable icon is checked against the drawing
    man-db                     # man: the manual page is read as a reader sees it
)

# Installed where the release still has them: appstream-glib left Debian after Debian 13, and
# appstreamcli's pedantic checks stand alone there.
where_available=(
    appstream-util             # appstream-util validate: appstream-glib's stricter rules
)

if [ "${1:-}" = windows ]; then
    packages+=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev  # cross compilers
        ninja-build patch xz-utils                  # building Qt for Windows from Debian's source
        qt6-base-dev-tools                          # the host's moc, rcc and uic for that build
        googletest                                  # GoogleTest's source, built for Windows
        wine wine64 fonts-wine                      # runs kwelt.exe and its tests
        nsis                                        # the installer
        locales                                     # a Thai locale, for the installer's Thai pages
        unzip                                       # checks the portable zip
    )
fi

installed() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]; }
# Whether the archive offers the package: a name that only another package provides has no
# candidate of its own.
offered() {
    local policy
    policy=$(apt-cache policy "$1" 2>/dev/null)
    [[ $policy == *"Candidate: "[!\(]* ]]
}

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done
optional=()
for p in "${where_available[@]}"; do
    installed "$p" || optional+=("$p")
done

if [ ${#missing[@]} -eq 0 ] && [ ${#optional[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${missing[*]} ${optional[*]}; run this script as root" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt_get() { apt-get -o DPkg::Lock::Timeout=300 "$@"; }
# A fresh machine may have no package lists yet, or stale ones: refresh them when there are
# none or a package is unknown, then choose those of the optional ones that this release has.
if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null \
    || { [ ${#missing[@]} -gt 0 ] && ! apt-cache show "${missing[@]}" >/dev/null 2>&1; }; then
    apt_get update -q
fi
for p in "${optional[@]}"; do
    if offered "$p"; then
        missing+=("$p")
    else
        echo "install-deps: $p is not in this release's archive; left out"
    fi
done
[ ${#missing[@]} -gt 0 ] || exit 0
install_missing() { apt_get install -y -q --no-install-recommends "${missing[@]}"; }
# A download that fails on stale lists: refresh them and try once more.
if ! install_missing; then
    apt_get update -q
    install_missing
fi
