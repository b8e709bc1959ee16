// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "program_exit.h"

#include <kwelt/band_position.h>

#include <QWidget>

#include <array>

namespace kwelt {

class BandComboBox;
class ReadoutLabel;

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

    // The band lists and the fields of the read-out, first band first.
    std::array<BandComboBox*, BandCount> m_bandLists{};
    std::array<ReadoutLabel*, BandCount> m_readouts{};
};

} // namespace kwelt
