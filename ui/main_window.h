// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "program_exit.h"
#include "window_builder.h"

#include <kwelt/band_position.h>

#include <QWidget>

#include <array>
#include <vector>

class QGroupBox;
class QLabel;

namespace kwelt {

class BandComboBox;
class PictureLabel;
class PushButton;
class ReadoutLabel;

// The main window's controls, by what they do.
struct MainWindowControls
{
    std::array<BandComboBox*, BandCount> bandLists{}; // first band first
    std::array<ReadoutLabel*, BandCount> readoutFields{};
    QGroupBox* readoutFrame = nullptr;
    QLabel* versionNote = nullptr;
    PictureLabel* picture = nullptr;
    PushButton* aboutButton = nullptr;
    PushButton* exitButton = nullptr;
};

// The main window: four band lists, the read-out, the resistor drawing, About and Exit.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(EndProgram endProgram, QWidget* parent = nullptr);

    // Fills the four lists, sets each to its starting colour and shows the read-out of those
    // bands. Runs once, while the window is still hidden.
    void fillLists();

    // Decodes the selected bands into the read-out fields, warning about a fault in the
    // first two bands with a message box.
    void updateReadout();

    const MainWindowControls& controls() const { return m_controls; }

signals:
    // updateReadout has read the four band positions and is about to show their read-out.
    void positionsRead(kwelt::BandPosition p1, kwelt::BandPosition p2, kwelt::BandPosition p3, kwelt::BandPosition p4);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void bandChanged();
    void openAboutWindow();
    void exitProgram();

    // Runs an event handler. An error that escapes it is reported and ends the program; it
    // never travels on through Qt's event loop.
    template <typename Handler>
    void runHandler(Handler&& handler);

    EndProgram m_endProgram;
    bool m_placed = false; // placed by the window system when first shown

    std::vector<BuiltControl> m_built; // in tab order, with their rows
    MainWindowControls m_controls;
};

} // namespace kwelt
