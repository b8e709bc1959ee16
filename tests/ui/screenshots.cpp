// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's windows and message boxes to PNG files, for people to look at:
//   kwelt_screenshots OUTPUT_DIR
// Run it through scripts/screenshots.sh, which picks the offscreen platform.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <start_up.h>
#include <widgets/band_combo_box.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

using namespace kwelt;

namespace {

bool save(QWidget* widget, const QString& path)
{
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// Sets the bands and grabs the message box that their update shows.
bool saveMessageBox(MainWindow& window, std::array<BandPosition, 4> bands, const QString& path)
{
    bool saved = false;
    test::ModalBoxAnswerer answerer;
    answerer.beforeAnswering([&](QMessageBox* box) { saved = save(box, path); });
    for (std::size_t band = 0; band < bands.size(); ++band) {
        window.controls().bandLists.at(band)->setPosition(bands[band]);
    }
    return saved;
}

bool saveAboutWindow(MainWindow& window, const QString& path)
{
    auto* about = new AboutWindow(&window); // deletes itself when closed
    about->show();
    const bool saved = save(about, path);
    about->close();
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    configureApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: kwelt_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    {
        const auto window = startUp([](int) {});
        ok = save(window.get(), out.filePath(QStringLiteral("main-window.png"))) && ok;
        ok = saveMessageBox(*window, {0, 1, 0, 0}, out.filePath(QStringLiteral("message-black-band.png"))) && ok;
        ok = saveMessageBox(*window, {1, 4, 0, 0}, out.filePath(QStringLiteral("message-pair.png"))) && ok;
        ok = save(window.get(), out.filePath(QStringLiteral("main-window-after-pair.png"))) && ok;
        ok = saveAboutWindow(*window, out.filePath(QStringLiteral("about-window.png"))) && ok;
    }
    // A dark desktop colour scheme, and a large desktop font: the windows are made anew, as
    // they would be when the program starts on such a desktop.
    {
        const test::SchemeOverride dark(QStringLiteral("dark"));
        const auto window = startUp([](int) {});
        ok = save(window.get(), out.filePath(QStringLiteral("main-window-dark.png"))) && ok;
        ok = saveAboutWindow(*window, out.filePath(QStringLiteral("about-window-dark.png"))) && ok;
    }
    {
        const QFont desktop = QApplication::font();
        QFont large = desktop;
        large.setPointSize(13);
        QApplication::setFont(large);
        const auto window = startUp([](int) {});
        ok = save(window.get(), out.filePath(QStringLiteral("main-window-13pt.png"))) && ok;
        ok = saveAboutWindow(*window, out.filePath(QStringLiteral("about-window-13pt.png"))) && ok;
        QApplication::setFont(desktop);
    }
    return ok ? 0 : 1;
}
