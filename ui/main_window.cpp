// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "about_window.h"
#include "main_window_layout.h"
#include "message_boxes.h"
#include "platform/platform.h"
#include "platform/window_activation.h"
#include "platform/window_state.h"
#include "program_identity.h"
#include "resistor_drawing.h"
#include "text/qt_text.h"
#include "widgets/band_combo_box.h"
#include "widgets/program_picture.h"
#include "widgets/push_button.h"
#include "widgets/readout_label.h"
#include "window_fonts.h"

#include <kwelt/core.h>

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <cstdlib>
#include <exception>

namespace kwelt {

namespace layout = main_window_layout;

namespace {

MainWindowControls byRole(std::span<const BuiltControl> built)
{
    MainWindowControls controls{
        .readoutFrame = builtControl<QGroupBox>(built, Role::ReadoutFrame),
        .versionNote = builtControl<QLabel>(built, Role::VersionNote),
        .picture = builtControl<PictureLabel>(built, Role::Picture),
        .aboutButton = builtControl<PushButton>(built, Role::AboutButton),
        .exitButton = builtControl<PushButton>(built, Role::ExitButton),
    };
    for (int band = 1; band <= BandCount; ++band) {
        const auto index = static_cast<std::size_t>(band - 1);
        controls.bandLists.at(index) = builtControl<BandComboBox>(built, Role::BandList, band);
        controls.readoutFields.at(index) = builtControl<ReadoutLabel>(built, Role::ReadoutField, band);
    }
    return controls;
}

// The About window, which keeps the main window disabled while it is shown.
QWidget* shownAboutWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<AboutWindow*>(window) != nullptr && !window->isHidden()) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

MainWindow::MainWindow(EndProgram endProgram, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_endProgram(std::move(endProgram))
{
    // Worked out once: every window of the program takes this font from here.
    setFont(fitDialogFont(QApplication::font(), style()).font);
    setWindowIcon(programIcon());
    m_built = setUpWindow(this,
        {layout::WindowName, QString::fromUtf8(MainWindowTitle), layout::ClientWidth, layout::ClientHeight,
            layout::Controls});
    m_controls = byRole(m_built);
    for (BandComboBox* list : m_controls.bandLists) {
        connect(list, &BandComboBox::positionChanged, this, &MainWindow::bandChanged);
    }
    connect(m_controls.aboutButton, &QPushButton::clicked, this, &MainWindow::openAboutWindow);
    connect(m_controls.exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
    platform::WindowActivation::create(this, shownAboutWindow);
}

void MainWindow::fillLists()
{
    runHandler([this] {
        for (int band = 0; band < BandCount; ++band) {
            for (std::u16string_view entry : BandLists[band].entries) {
                m_controls.bandLists[band]->appendEntry(entry);
            }
            // Raises the list's positionChanged, which updates the read-out before the next list
            // is filled.
            m_controls.bandLists[band]->setPosition(BandLists[band].initialPosition);
        }
        updateReadout();
    });
}

void MainWindow::updateReadout()
{
    std::array<BandPosition, BandCount> positions{};
    for (int band = 0; band < BandCount; ++band) {
        positions[band] = m_controls.bandLists[band]->position();
    }
    const auto [p1, p2, p3, p4] = positions;
    emit positionsRead(p1, p2, p3, p4);
    const BandReadout readout = decodeBands(p1, p2, p3, p4);

    // A message box waits for the user; the fields written before it show their new text
    // meanwhile, the others their old.
    if (readout.finding == CheckFinding::BlackFirstBand) {
        showFindingMessage(this, toQString(readout.message));
    }
    m_controls.readoutFields[0]->setReadout(toQString(readout.digit1Text));
    m_controls.readoutFields[1]->setReadout(toQString(readout.digit2Text));
    if (readout.finding == CheckFinding::NonStandardPair) {
        showFindingMessage(this, toQString(readout.message));
    }
    m_controls.readoutFields[2]->setReadout(toQString(readout.multiplierText));
    m_controls.readoutFields[3]->setReadout(toQString(readout.toleranceText));
}

void MainWindow::bandChanged()
{
    runHandler([this] { updateReadout(); });
}

void MainWindow::openAboutWindow()
{
    runHandler([this] {
        // The About window owns itself: it is deleted when it closes.
        auto* about = new AboutWindow(this);
        about->show();
        // Window managers may leave a new tool window inactive, with the keys going to this
        // disabled window; the About window asks for the focus itself.
        about->raise();
        about->activateWindow();
    });
}

void MainWindow::exitProgram()
{
    m_endProgram(EXIT_SUCCESS);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    // Nothing in the drawing changes at run time: not even while the window is disabled.
    paintResistorDrawing(painter, palette().color(QPalette::Active, QPalette::WindowText));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A disabled window cannot be closed from its title bar either.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyTextColours(this, m_built);
    }
    if (event->type() == QEvent::EnabledChange) {
        platform::followEnabledState(this);
    }
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        platform::placeMainWindow(this);
    }
}

template <typename Handler>
void MainWindow::runHandler(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        showUnhandledError(QString::fromUtf8(error.what()));
        m_endProgram(EXIT_FAILURE);
    } catch (...) {
        showUnhandledError(QStringLiteral("Unknown error"));
        m_endProgram(EXIT_FAILURE);
    }
}

} // namespace kwelt
