#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for 64-bit Windows from Debian's own qt6-base source with MinGW-w64, once: the result
# goes into a cache folder outside the tree, named after the Qt version and the options, and a
# later run finds it there. Prints the folder (the Qt prefix) on its last line; with --print it
# only prints the folder, and builds nothing.
#   KWELT_WINDOWS_CACHE   where the cache folders live (default /var/cache/kwelt-windows)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache_root=${KWELT_WINDOWS_CACHE:-/var/cache/kwelt-windows}

# The host Qt runs moc, rcc and uic for the Windows build, so both must be the same version.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${host_version%%+*}

# Static libraries, the MinGW run time linked in as well, so that kwelt.exe is one file. Each
# function and datum in a section of its own, so that the linker keeps only what a program uses;
# optimised for size, which makes kwelt.exe a third smaller than -O2 does. Only what kwelt and its
# tests use: Core, Gui, Widgets and Test, the windows, offscreen and minimal platforms, the
# windowsvista style and the ico image format; no MIME database, style sheets, graphics view or
# animated images, which the styles and widgets would otherwise link in. The offscreen platform
# needs FreeType, which Qt brings along. Tablet support needs the wintab headers, which neither
# Debian's cleaned source nor MinGW has.
configure_options=(
    -release -static -static-runtime -gc-binaries -optimize-size
    -no-feature-mimetype -no-feature-style-stylesheet -no-feature-graphicsview -no-feature-movie
    -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-vulkan -no-pkg-config -no-icu -no-zstd -qt-freetype -no-fontconfig
    -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-harfbuzz -qt-doubleconversion
    -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
)

# Of Debian's patches, the fixes it takes from upstream apply here, in Debian's order: among them
# every security fix (Debian 12 names those cve-..., Debian 13 upstream_cve-...). The rest are for
# Debian's own Linux packages. A version may list none.
debian_patches() { sed -n -e 's/^\(upstream_[^ ]*\).*/\1/p' -e 's/^\(cve[^ ]*\).*/\1/p' debian/patches/series; }

# kwelt's changes to Qt's source, applied after Debian's fixes. Each must apply: a Qt
# version where one no longer does stops the build here.
change_source() {
    # Before its first top-level window, the windows platform asks Direct3D 9 which graphics card
    # drives which screen, to keep OpenGL windows off a second card's screen (QTBUG-50371). This
    # Qt has no OpenGL, and under Wine the question sets up an OpenGL driver: 0.4 s of kwelt's
    # start. Ask it only where OpenGL is built.
    sed -i 's|^\( *\)const QScreen \*screenForGL = QWindowsWindow::forcedScreenForGLWindow(w);$|#if QT_CONFIG(opengl)\n&\n#else\n\1const QScreen *screenForGL = nullptr;\n#endif|' \
        src/plugins/platforms/windows/qwindowswindow.cpp
    grep -q 'const QScreen \*screenForGL = nullptr;' src/plugins/platforms/windows/qwindowswindow.cpp
    # Fonts come through GDI, as in Qt 6.4 and the classic Win32 programs kwelt looks like, and
    # DirectWrite draws only where GDI cannot (at a scale factor, colour fonts). Qt 6.8 reads
    # fonts through DirectWrite by default, and asks DirectWrite about each font it opens even
    # when GDI draws it. Under Wine either reads every font file on the system when it is first
    # used: about 100 ms of kwelt's start. This Qt takes the GDI font database unless asked for
    # DirectWrite's (fontengine=native), and asks DirectWrite only about a font it will draw with
    # it. DirectWrite cannot be left out of the build: Qt 6.8's GDI font database no longer
    # compiles without it.
    local windows=src/plugins/platforms/windows/qwindowsintegration.cpp
    sed -i 's/^\( *\)if (!(d->m_options \& (QWindowsIntegration::FontDatabaseGDI | QWindowsIntegration::DontUseDirectWriteFonts)))$/\1if (d->m_options \& QWindowsIntegration::FontDatabaseNative)/' $windows
    grep -q 'if (d->m_options & QWindowsIntegration::FontDatabaseNative)$' $windows
    local gdi=src/gui/text/windows/qwindowsfontdatabase.cpp
    sed -i 's/^\( *HRESULT hr = \)\(data->directWriteGdiInterop->CreateFontFaceFromHdc(data->hdc, \&directWriteFontFace);\)$/\1useDw ? \2/' $gdi
    sed -i 's/^\( *HRESULT hr = useDw ? data->directWriteGdiInterop->CreateFontFaceFromHdc(data->hdc, \&directWriteFontFace)\);$/\1 : E_NOTIMPL;/' $gdi
    grep -q 'HRESULT hr = useDw ? data->directWriteGdiInterop->CreateFontFaceFromHdc(data->hdc, &directWriteFontFace) : E_NOTIMPL;$' $gdi
    # A font that names faces of its own (QFont::setFamilies: kwelt's Latin and Thai faces) falls
    # back on those, and after them on the system's own fallbacks. Qt asks for the latter as it
    # loads the font, and on Windows that means reading the names of every font on the system:
    # about 40 ms of kwelt's start under Wine, for faces it never draws with. This Qt asks for
    # them when none of the named faces has a glyph: the last entry of the list stands for them.
    local db=src/gui/text/qfontdatabase.cpp engine=src/gui/text/qfontengine.cpp
    sed -i '/^            QStringList fallbacks = request.fallBackFamilies;$/,/^            pfMultiEngine->setFallbackFamiliesList(fallbacks);$/{
        /styleHint/d
        /^$/d
        s/^            QStringList fallbacks = request.fallBackFamilies;$/&\n            fallbacks += QString(); \/\/ the system'"'"'s own, asked for when these have no glyph/
    }' $db
    grep -q "fallbacks += QString(); // the system's own, asked for when these have no glyph$" $db
    grep -q 'fallbacks += fallbacksForFamily(family->name' $db && exit 1
    sed -i '/^    if (!m_fallbackFamiliesQueried \&\& at > 0)$/{n;a\
    if (at > 0 \&\& at == m_fallbackFamilies.size() \&\& m_fallbackFamilies.constLast().isNull()) {\
        QFont::StyleHint styleHint = QFont::StyleHint(fontDef.styleHint);\
        if (styleHint == QFont::AnyStyle \&\& fontDef.fixedPitch)\
            styleHint = QFont::TypeWriter;\
        QStringList system = qt_fallbacksForFamily(fontDef.families.constFirst(), QFont::Style(fontDef.style),\
                                                   styleHint, QChar::Script(m_script));\
        if (system.isEmpty())\
            system << fontDef.families.constFirst();\
        m_fallbackFamilies.removeLast();\
        m_fallbackFamilies += system;\
        m_engines.resize(m_fallbackFamilies.size() + 1);\
    }
    }' $engine
    grep -q '^        m_fallbackFamilies += system;$' $engine
    # The loops over the fallbacks take in the ones added on the way.
    sed -i 's/n = qMin(m_engines.size(), 256); x < n; ++x)/n = 256; x < qMin(m_engines.size(), n); ++x)/' $engine
    [ "$(grep -c 'x < qMin(m_engines.size(), n); ++x)' $engine)" = 3 ]
    # Since Qt 6.8 the windowsvista style's plugin makes the windows11 style as well, which Qt
    # chooses first on Windows 11. It draws with graphics effects, which this Qt leaves out, and
    # kwelt keeps Windows' classic look there too: the plugin makes windowsvista alone, and Qt
    # takes that on Windows 11 as well.
    local style=src/plugins/styles/modernwindows
    sed -i '/^ *qwindows11style\.cpp qwindows11style_p\.h$/d' $style/CMakeLists.txt
    sed -i -e '/#include "qwindows11style_p.h"/d' -e '/"windows11"/,+1d' $style/main.cpp
    sed -i 's/"Keys": \[ "windowsvista", "windows11" \]/"Keys": [ "windowsvista" ]/' $style/modernwindowsstyles.json
    ! grep -q -i windows11 $style/CMakeLists.txt $style/main.cpp $style/modernwindowsstyles.json
}

# Where this Qt comes from, for the notice that goes with a program that contains it.
source_note() { # SOURCE_FILES FIXES
    fmt -w 96 <<EOF_SOURCE
Qt $qt_version, built from Debian's qt6-base $host_version source package ($1) as
found at https://snapshot.debian.org/package/qt6-base/$host_version/, with the upstream fixes
that Debian applies, among them its security fixes (${2//$'\n'/, }), and with the changes
that kwelt's scripts/build-windows-qt.sh makes: src/plugins/platforms/windows/qwindowswindow.cpp
asks Direct3D for the graphics card of a new window's screen only where OpenGL is built;
src/plugins/platforms/windows/qwindowsintegration.cpp takes the GDI font database unless
fontengine=native asks for DirectWrite's, and src/gui/text/windows/qwindowsfontdatabase.cpp asks
DirectWrite only about a font it draws with DirectWrite; src/gui/text/qfontdatabase.cpp and
src/gui/text/qfontengine.cpp ask for the system's fallback fonts for a font that names fallback
faces of its own only when none of those has a glyph; and the style plugin in
src/plugins/styles/modernwindows/ makes the windowsvista style alone, without windows11;
configured with:
${configure_options[*]}
EOF_SOURCE
}

# The cache folder's name changes with Debian's revision of the source (a new one may bring
# security fixes), the options, the compiler settings, the choice of patches, the changes above and
# the notice.
options_hash=$(printf '%s\n' "$host_version" "${configure_options[@]}" \
    "$(cat "$here/cmake/mingw-w64-x86_64.cmake")" "$(declare -f change_source debian_patches source_note)" \
    | sha256sum | cut -c1-10)
prefix="$cache_root/qt-$qt_version-win64-mingw-posix-$options_hash"

if [ -f "$prefix/.complete" ] || [ "${1:-}" = --print ]; then
    echo "$prefix"
    exit 0
fi

work="$cache_root/work-$qt_version-$options_hash"
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"

# Debian's source of the very version the host has. apt-get source needs a deb-src entry: where
# the machine has none, one made from its own entries serves this download alone, with package
# lists of its own, and the machine's sources stay as they were.
apt_source=()
if ! apt-get source --print-uris "qt6-base=$host_version" >/dev/null 2>&1; then
    mkdir -p apt/sources.list.d apt/lists/partial
    # Debian 12 and 13 machines list their sources in deb822 form, a chroot made by mmdebstrap in
    # one-line form.
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >apt/sources.list.d/debian.sources
    fi
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >apt/sources.list.d/debian.list
    fi
    apt_source=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/apt/sources.list.d"
        -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
    apt-get "${apt_source[@]}" update -q
fi
apt-get "${apt_source[@]}" source --download-only -q "qt6-base=$host_version"
dpkg-source --skip-patches -x qt6-base_*.dsc source >/dev/null
cd source

fixes=$(debian_patches)
for p in $fixes; do
    patch -p1 -s <"debian/patches/$p"
done
# Time stamps in Qt's own files (its resources) are the source's: the date of Debian's upload.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l debian/changelog -STimestamp)
export SOURCE_DATE_EPOCH

change_source

mkdir -p ../build
cd ../build
../source/configure -prefix "$prefix" "${configure_options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$(nproc)"
cmake --install .
mkdir -p "$prefix/LICENSES"
cp ../source/LICENSES/*.txt "$prefix/LICENSES/"
source_files=$(cd "$work" && ls qt6-base_*.dsc qt6-base_*.tar.* | paste -sd, | sed 's/,/, /g')
source_note "$source_files" "$fixes" >"$prefix/SOURCE.txt"
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"
