// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as Windows itself sees them: their native styles, owners, client areas and icons,
// the main window's native enabled state while the About window is open, the message box, and
// kwelt.exe's own resources, all read through the Win32 API from inside the program.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <widgets/band_combo_box.h>
#include <widgets/program_picture.h>

#include <widgets/readout_label.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include <windows.h>

using namespace kwelt;
using namespace kwelt::test;

namespace {

HWND handle(const QWidget* window)
{
    return reinterpret_cast<HWND>(window->winId());
}

QSize clientSize(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

HICON windowIcon(HWND window, WPARAM which)
{
    return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
}

// The program picture as the icon shows it: its colours where it is opaque, nothing elsewhere.
bool isTheProgramPicture(HICON icon)
{
    const QImage shown = QImage::fromHICON(icon).convertToFormat(QImage::Format_ARGB32);
    const QImage picture = programPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    if (shown.size() != picture.size()) {
        return false;
    }
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = picture.pixel(x, y);
            if ((qAlpha(a) == 0) != (qAlpha(b) == 0) || (qAlpha(b) != 0 && (a & 0xFFFFFF) != (b & 0xFFFFFF))) {
                return false;
            }
        }
    }
    return true;
}

// kwelt.exe's path as Windows names it (a build tree under Wine lies on drive Z:).
std::wstring programPath()
{
    QString path = QStringLiteral(KWELT_EXE);
    if (path.startsWith(QLatin1Char('/'))) {
        path.prepend(QStringLiteral("Z:"));
    }
    return QDir::toNativeSeparators(path).toStdWString();
}

// Notes whether the main window was natively enabled when the watched window was hidden.
struct nativelyEnabledWhenHidden : QObject
{
    explicit nativelyEnabledWhenHidden(HWND main)
        : main(main)
    { }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !enabled) {
            enabled = IsWindowEnabled(main) != FALSE;
        }
        return false;
    }
    HWND main;
    std::optional<bool> enabled;
};

// A control as drawn, without its children.
QImage drawn(QWidget* control)
{
    QImage image(control->size() * control->devicePixelRatio(), QImage::Format_RGB32);
    image.setDevicePixelRatio(control->devicePixelRatio());
    control->render(&image, {}, {}, QWidget::DrawWindowBackground);
    return image;
}

// The controls of `window` whose text, as drawn, stands out from what lies behind it by less than
// the 4.5:1 that legible text needs: each text pixel, found where the control drawn without its
// text differs, against that pixel drawn without it; the strongest counts.
QStringList illegibleTexts(QWidget* window)
{
    QStringList illegible;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        auto* list = qobject_cast<QComboBox*>(control);
        auto* frame = qobject_cast<QGroupBox*>(control);
        if (!control->isVisible() || ((label == nullptr || label->text().isEmpty()) && !button && !list && !frame)) {
            continue;
        }
        const QImage withText = drawn(control);
        const QSignalBlocker quiet(control);
        const QString text = label ? label->text() : button ? button->text() : frame ? frame->title() : QString();
        const int position = list ? list->currentIndex() : -1;
        const auto setText = [&](const QString& t, int at) {
            label        ? label->setText(t)
                : button ? button->setText(t)
                : frame  ? frame->setTitle(t)
                         : list->setCurrentIndex(at);
        };
        setText({}, -1);
        const QImage withoutText = drawn(control);
        setText(text, position);
        double best = 1.0;
        for (int y = 0; y < withText.height(); ++y) {
            for (int x = 0; x < withText.width(); ++x) {
                if (withText.pixel(x, y) != withoutText.pixel(x, y)) {
                    best = std::max(best, contrastRatio(withText.pixelColor(x, y), withoutText.pixelColor(x, y)));
                }
            }
        }
        if (best < 4.5) {
            illegible.append(QStringLiteral("%1 %2:1").arg(control->objectName()).arg(best, 0, 'f', 1));
        }
    }
    return illegible;
}

// The keys of the string table "040904B0" of a version block, in their order.
QStringList versionStringKeys(const QByteArray& block)
{
    QStringList keys;
    const auto word = [&](int at) {
        return static_cast<int>(static_cast<quint8>(block[at]) | static_cast<quint8>(block[at + 1]) << 8);
    };
    const auto keyAt = [&](int at, int* end) {
        QString key;
        int i = at;
        while (word(i) != 0) {
            key += QChar(word(i));
            i += 2;
        }
        *end = (i + 2 + 3) & ~3; // past the terminator, aligned to 32 bits
        return key;
    };
    const auto findChild = [&](int parent, const QString& wanted) {
        int end = 0;
        keyAt(parent + 6, &end);
        end += word(parent + 2) * (word(parent + 4) == 1 ? 2 : 1);
        int child = (end + 3) & ~3;
        while (child < parent + word(parent)) {
            int keyEnd = 0;
            if (keyAt(child + 6, &keyEnd) == wanted) {
                return child;
            }
            child = (child + word(child) + 3) & ~3;
        }
        return -1;
    };
    const int strings = findChild(0, QStringLiteral("StringFileInfo"));
    const int table = strings < 0 ? -1 : findChild(strings, QStringLiteral("040904B0"));
    if (table < 0) {
        return keys;
    }
    int end = 0;
    keyAt(table + 6, &end);
    for (int entry = end; entry < table + word(table); entry = (entry + word(entry) + 3) & ~3) {
        int keyEnd = 0;
        keys.append(keyAt(entry + 6, &keyEnd));
    }
    return keys;
}

} // namespace

class WindowsNativeTest : public ProgramTestCase
{
    Q_OBJECT

public:
    // KWELT_APPS_USE_LIGHT_THEME=0 sets apps to dark, as Windows' settings do, for this run.
    static void initMain()
    {
        if (!qEnvironmentVariableIsSet("KWELT_APPS_USE_LIGHT_THEME")) {
            return;
        }
        static const wchar_t* const key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
        const DWORD light = DWORD(qEnvironmentVariableIntValue("KWELT_APPS_USE_LIGHT_THEME"));
        if (RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_DWORD, &light, sizeof light)
            != ERROR_SUCCESS) {
            std::fputs("cannot set AppsUseLightTheme\n", stderr);
            std::exit(1);
        }
        std::atexit([] { RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme"); });
    }

private slots:
    // Direct3D and the sound DLL, which Qt links, are loaded at their first call, not at start.
    void loadsAtFirstCallWhatItCallsLater()
    {
        QVERIFY(GetModuleHandleW(L"d3d11.dll") == nullptr);
        QVERIFY(timeGetTime() > 0 && GetModuleHandleW(L"winmm.dll") != nullptr);
    }

    // What neither face of the dialog font has (an aeroplane) comes from Qt's fallback fonts.
    void drawsWhatItsFacesLackFromOthers() { QVERIFY(QFontMetrics(programWindow()->font()).inFontUcs4(U'\u2708')); }

    void mainWindow()
    {
        const HWND main = handle(programWindow());
        const LONG style = GetWindowLongW(main, GWL_STYLE);
        const LONG exStyle = GetWindowLongW(main, GWL_EXSTYLE);
        QCOMPARE(style & WS_CAPTION, WS_CAPTION);
        QVERIFY(style & WS_SYSMENU);
        QVERIFY(!(style & WS_MINIMIZEBOX));
        QVERIFY(!(style & WS_MAXIMIZEBOX));
        QVERIFY(!(style & WS_THICKFRAME));
        QVERIFY(!(style & WS_POPUP)); // an overlapped window
        QVERIFY(!(exStyle & WS_EX_TOOLWINDOW)); // so it gets a taskbar button
        QCOMPARE(GetWindow(main, GW_OWNER), HWND(nullptr));
        QCOMPARE(clientSize(main), QSize(441, 307));
        QVERIFY(windowIcon(main, ICON_BIG) != nullptr);
        QVERIFY(windowIcon(main, ICON_SMALL) != nullptr);
        QVERIFY(isTheProgramPicture(windowIcon(main, ICON_BIG)));
        QTRY_VERIFY(programWindow()->isActiveWindow());
        const QStringList illegible = illegibleTexts(programWindow());
        QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(u", ")));
    }

    // Under Windows' dark mode for apps, kwelt keeps Windows' own light look, whose native
    // controls Windows draws light whatever the palette says: the window keeps the 3-D face
    // colour, and the read-out its own colours.
    void keepsItsColoursInEveryMode()
    {
        const QPalette colours = programWindow()->palette();
        QCOMPARE(colours.color(QPalette::Window),
            QColor::fromRgb(GetSysColor(COLOR_3DFACE) & 0xFF, (GetSysColor(COLOR_3DFACE) >> 8) & 0xFF,
                (GetSysColor(COLOR_3DFACE) >> 16) & 0xFF));
        const QImage field = programWindow()->controls().readoutFields[3]->grab().toImage();
        QCOMPARE(field.pixelColor(0, 0), QColor(255, 224, 192));
    }

    // Windows' own look, from the style plugin beside kwelt.exe: not Qt's plain fallback, which is
    // also called "Windows".
    void drawsInWindowsOwnStyle() { QCOMPARE(programWindow()->style()->name(), QStringLiteral("windowsvista")); }

    void aboutWindow()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        const HWND window = handle(about);
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        QVERIFY(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        QVERIFY(!(style & WS_MINIMIZEBOX));
        QVERIFY(!(style & WS_MAXIMIZEBOX));
        QVERIFY(!(style & WS_THICKFRAME));
        QCOMPARE(GetWindow(window, GW_OWNER), HWND(nullptr));
        QCOMPARE(windowIcon(window, ICON_BIG), HICON(nullptr));
        QCOMPARE(windowIcon(window, ICON_SMALL), HICON(nullptr));
        QCOMPARE(clientSize(window), QSize(379, 213));
        const QStringList illegible = illegibleTexts(about);
        QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(u", ")));
    }

    // While the About window exists, Windows itself holds the main window disabled; however the
    // About window goes, the main window is enabled before it does.
    void mainWindowIsNativelyDisabled_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << QStringLiteral("OK");
        QTest::newRow("close box (WM_CLOSE)") << QStringLiteral("WM_CLOSE");
        QTest::newRow("Alt+F4") << QStringLiteral("Alt+F4");
    }

    void mainWindowIsNativelyDisabled()
    {
        QFETCH(QString, how);
        const HWND main = handle(programWindow());
        QVERIFY(IsWindowEnabled(main));
        QPointer<AboutWindow> about = openAbout();
        QVERIFY(about);
        QVERIFY(!IsWindowEnabled(main));
        nativelyEnabledWhenHidden watch(main);
        about->installEventFilter(&watch);
        const HWND window = handle(about);
        if (how == QLatin1String("OK")) {
            QTest::mouseClick(about->controls().okButton, Qt::LeftButton);
        } else if (how == QLatin1String("WM_CLOSE")) {
            SendMessageW(window, WM_CLOSE, 0, 0);
        } else {
            SetForegroundWindow(window);
            SetFocus(window);
            INPUT keys[4]{};
            for (INPUT& key : keys) {
                key.type = INPUT_KEYBOARD;
            }
            keys[0].ki.wVk = VK_MENU;
            keys[1].ki.wVk = VK_F4;
            keys[2].ki.wVk = VK_F4;
            keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
            keys[3].ki.wVk = VK_MENU;
            keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(4, keys, sizeof(INPUT));
        }
        QTRY_VERIFY(about.isNull() || !about->isVisible());
        QCOMPARE(watch.enabled, std::optional<bool>(true));
        QVERIFY(IsWindowEnabled(main));
    }

    void messageBox()
    {
        QString title;
        qsizetype buttons = -1;
        bool noIcon = false;
        QStringList illegible;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) {
                return;
            }
            wchar_t text[64]{};
            GetWindowTextW(handle(box), text, 64);
            title = QString::fromWCharArray(text);
            buttons = box->buttons().size();
            illegible = illegibleTexts(box);
            // No icon in the box, and none in its title bar: the dialog frame shows none.
            noIcon = box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull()
                && (GetWindowLongW(handle(box), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0
                && windowIcon(handle(box), ICON_BIG) == nullptr && windowIcon(handle(box), ICON_SMALL) == nullptr;
            box->accept();
        });
        poll.start();
        programWindow()->controls().bandLists[0]->setPosition(0); // a black first band
        QCOMPARE(title, QStringLiteral("kwelt"));
        QCOMPARE(buttons, 1);
        QVERIFY(noIcon);
        QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(u", ")));
    }

    // In an open band list each arrow key selects, as in a native drop-down list: the field
    // follows and positionChanged is raised once a step. Esc then leaves the last selection.
    void arrowKeysSelectInAnOpenList()
    {
        auto* list = programWindow()->controls().bandLists[3];
        QSignalSpy clicks(list, &BandComboBox::positionChanged);
        list->showPopup();
        QTRY_VERIFY(list->view()->isVisible());
        for (int step = 1; step <= 2; ++step) {
            QTest::keyClick(list->view(), Qt::Key_Down);
            QCOMPARE(list->currentIndex(), step);
            QCOMPARE(clicks.size(), step);
        }
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QTRY_VERIFY(!list->view()->isVisible());
        QCOMPARE(list->currentIndex(), 2);
        QCOMPARE(clicks.size(), 2);
    }

    void programIsAWindowedProgram()
    {
        QFile exe(QString::fromStdWString(programPath()));
        QVERIFY2(exe.open(QIODevice::ReadOnly), qPrintable(exe.fileName()));
        const QByteArray bytes = exe.read(4096);
        const quint32 pe = qFromLittleEndian<quint32>(bytes.constData() + 0x3C);
        QCOMPARE(bytes.mid(pe, 4), QByteArray("PE\0\0", 4));
        // The optional header starts after the 4-byte signature and the 20-byte file header.
        const quint16 subsystem = qFromLittleEndian<quint16>(bytes.constData() + pe + 24 + 68);
        QCOMPARE(subsystem, quint16(IMAGE_SUBSYSTEM_WINDOWS_GUI));
    }

    // The application manifest, as Windows finds it: the supported versions up to Windows 10
    // and 11, and the DPI awareness Qt sets.
    void programManifest()
    {
        const HMODULE exe = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        QVERIFY(exe != nullptr);
        const HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
        QVERIFY(found != nullptr);
        const QByteArray manifest(static_cast<const char*>(LockResource(LoadResource(exe, found))),
            static_cast<qsizetype>(SizeofResource(exe, found)));
        FreeLibrary(exe);
        QVERIFY(manifest.contains("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"));
        QVERIFY(manifest.contains(">PerMonitorV2<"));
    }

    void programVersionBlock()
    {
        const std::wstring path = programPath();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        QVERIFY(size > 0);
        QByteArray block(static_cast<int>(size), '\0');
        QVERIFY(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
        QCOMPARE(fixed->dwFileVersionMS, DWORD(0x00010000)); // 1.0
        QCOMPARE(fixed->dwFileVersionLS, DWORD(0)); // .0.0
        QCOMPARE(fixed->dwProductVersionMS, DWORD(0x00010000));
        QCOMPARE(fixed->dwProductVersionLS, DWORD(0));
        QCOMPARE(fixed->dwFileFlagsMask, DWORD(0));
        QCOMPARE(fixed->dwFileFlags, DWORD(0));
        QCOMPARE(fixed->dwFileOS, DWORD(VOS__WINDOWS32));
        QCOMPARE(fixed->dwFileType, DWORD(VFT_APP));
        QCOMPARE(fixed->dwFileSubtype, DWORD(0));
        QCOMPARE(fixed->dwFileDateMS, DWORD(0));
        QCOMPARE(fixed->dwFileDateLS, DWORD(0));

        WORD* translation = nullptr;
        QVERIFY(VerQueryValueW(
            block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
        QCOMPARE(length, UINT(4));
        QCOMPARE(translation[0], WORD(0x0409));
        QCOMPARE(translation[1], WORD(1200));

        const std::pair<const wchar_t*, const char*> strings[] = {{L"Comments", "kWELT : Brandelwick"},
            {L"CompanyName", nullptr}, {L"ProductName", "kWELT"}, {L"FileVersion", "1.00"}, {L"ProductVersion", "1.00"},
            {L"InternalName", "kwelt"}, {L"OriginalFilename", "kwelt.exe"}};
        QStringList keys;
        for (const auto& [key, value] : strings) {
            const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
            wchar_t* text = nullptr;
            QVERIFY2(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length),
                qPrintable(QString::fromWCharArray(key)));
            if (value != nullptr) {
                QCOMPARE(QString::fromWCharArray(text), QString::fromLatin1(value));
            }
            keys.append(QString::fromWCharArray(key));
        }
        // Those seven strings, in that order, and no others.
        QCOMPARE(versionStringKeys(block), keys);
    }

    void programIcon()
    {
        const std::wstring path = programPath();
        QCOMPARE(ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0), UINT(1));
        HICON large = nullptr;
        QCOMPARE(ExtractIconExW(path.c_str(), 0, &large, nullptr, 1), UINT(1));
        QVERIFY(large != nullptr);
        QVERIFY(isTheProgramPicture(large));
        DestroyIcon(large);
    }
};

QTEST_MAIN(WindowsNativeTest)
#include "windows_native_test.moc"
