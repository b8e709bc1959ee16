// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "program_exit.h"

#include <kwelt/band_position.h>

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kwelt {

class BandComboBox;
class ReadoutLabel;
class WindowActivation;

// The main window: four band lists, the read-out, the resistor drawing, About and Exit.
class KWELT : public QWidget
{
    Q_OBJECT

public:
    explicit KWELT(EndProgram endProgram, QWidget* parent = nullptr);

    // Fills the four lists, sets each to its starting colour and shows the read-out of those
    // bands. Runs once, while the window is still hidden.
    void Form_Load();

    // Decodes the selected bands into the read-out labels, warning about a fault in the
    // first two bands with a message box.
    void UpdateValue();

signals:
    // UpdateValue has read the four band positions and is about to show their read-out.
    void positionsRead(kwelt::BandPosition p1, kwelt::BandPosition p2, kwelt::BandPosition p3, kwelt::BandPosition p4);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void color1_Click();
    void color2_Click();
    void color3_Click();
    void color4_Click();
    void Command1_Click();
    void Command2_Click();

    // Restores the About window if it is minimized and brings it to the front, active.
    void bringAboutWindowBack();
    // Hands the keyboard back to the modal message box that blocks this window.
    void bringBoxBack();

    // Runs an event handler. An error that escapes it is reported and ends the program; it
    // never travels on through Qt's event loop.
    template <typename Handler>
    void runHandler(Handler&& handler);

    EndProgram m_endProgram;
    WindowActivation* m_activation; // hands the keyboard back to the window that blocks this one
    bool m_placed = false; // placed by the window system when first shown

    BandComboBox* color1 = nullptr;
    BandComboBox* color2 = nullptr;
    BandComboBox* color3 = nullptr;
    BandComboBox* color4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    ReadoutLabel* data1 = nullptr;
    ReadoutLabel* data2 = nullptr;
    ReadoutLabel* data3 = nullptr;
    ReadoutLabel* data4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
};

} // namespace kwelt
