// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "about_window.h"
#include "band_combo_box.h"
#include "control_table.h"
#include "fixed_window.h"
#include "main_window_layout.h"
#include "message_boxes.h"
#include "platform.h"
#include "program_picture.h"
#include "qt_text.h"
#include "readout_label.h"
#include "resistor_drawing.h"
#include "window_activation.h"
#include "window_fonts.h"

#include <kwelt/core.h>

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include <cstdlib>
#include <exception>

namespace kwelt {

namespace layout = main_window_layout;

namespace {

template <typename Widget>
Widget* control(const QWidget* window, const char* name)
{
    return window->findChild<Widget*>(QLatin1String(name));
}

} // namespace

KWELT::KWELT(EndProgram endProgram, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_endProgram(std::move(endProgram))
{
    setObjectName(QStringLiteral("KWELT"));
    // Worked out once: every window of the program takes this font from here.
    setFont(fitDialogFont(QApplication::font(), style()).font);
    setWindowTitle(QStringLiteral("Brandelwick : KWELT"));
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(layout::ClientWidth), twipsToPixels(layout::ClientHeight));
    // The 3-D face colour: the colour of buttons.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    buildControls(this, layout::Controls);
    color1 = control<BandComboBox>(this, "color1");
    color2 = control<BandComboBox>(this, "color2");
    color3 = control<BandComboBox>(this, "color3");
    color4 = control<BandComboBox>(this, "color4");
    Command1 = control<QPushButton>(this, "Command1");
    Command2 = control<QPushButton>(this, "Command2");
    Frame1 = control<QGroupBox>(this, "Frame1");
    data1 = control<ReadoutLabel>(this, "data1");
    data2 = control<ReadoutLabel>(this, "data2");
    data3 = control<ReadoutLabel>(this, "data3");
    data4 = control<ReadoutLabel>(this, "data4");
    Label1 = control<QLabel>(this, "Label1");
    Image1 = control<QLabel>(this, "Image1");

    connect(color1, &BandComboBox::Click, this, &KWELT::color1_Click);
    connect(color2, &BandComboBox::Click, this, &KWELT::color2_Click);
    connect(color3, &BandComboBox::Click, this, &KWELT::color3_Click);
    connect(color4, &BandComboBox::Click, this, &KWELT::color4_Click);
    connect(Command1, &QPushButton::clicked, this, &KWELT::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &KWELT::Command2_Click);
    keepWindowNormal(this);
    m_activation = WindowActivation::create(this);
}

void KWELT::Form_Load()
{
    runHandler([this] {
        BandComboBox* const lists[] = {color1, color2, color3, color4};
        for (std::size_t band = 0; band < BandLists.size(); ++band) {
            for (std::u16string_view entry : BandLists[band].entries) {
                lists[band]->appendEntry(entry);
            }
            // Raises the list's Click, which updates the read-out before the next list is filled.
            lists[band]->setPosition(BandLists[band].initialPosition);
        }
        UpdateValue();
    });
}

void KWELT::UpdateValue()
{
    const BandPosition p1 = color1->position();
    const BandPosition p2 = color2->position();
    const BandPosition p3 = color3->position();
    const BandPosition p4 = color4->position();
    emit positionsRead(p1, p2, p3, p4);
    const BandReadout readout = DecodeBands(p1, p2, p3, p4);

    // A message box waits for the user; the labels written before it show their new text
    // meanwhile, the others their old.
    if (readout.finding == CheckFinding::BlackFirstBand) {
        showFindingMessage(this, toQString(readout.message));
    }
    data1->setReadout(toQString(readout.digit1Text));
    data2->setReadout(toQString(readout.digit2Text));
    if (readout.finding == CheckFinding::NonStandardPair) {
        showFindingMessage(this, toQString(readout.message));
    }
    data3->setReadout(toQString(readout.multiplierText));
    data4->setReadout(toQString(readout.toleranceText));
}

void KWELT::color1_Click()
{
    runHandler([this] { UpdateValue(); });
}

void KWELT::color2_Click()
{
    runHandler([this] { UpdateValue(); });
}

void KWELT::color3_Click()
{
    runHandler([this] { UpdateValue(); });
}

void KWELT::color4_Click()
{
    runHandler([this] { UpdateValue(); });
}

void KWELT::Command1_Click()
{
    runHandler([this] {
        // The About window owns itself: it is deleted when it closes.
        auto* about = new AboutKWELT(this);
        about->show();
        // Window managers may leave a new tool window inactive, with the keys going to this
        // disabled window; the About window asks for the focus itself.
        about->raise();
        about->activateWindow();
    });
}

void KWELT::Command2_Click()
{
    m_endProgram(EXIT_SUCCESS);
}

void KWELT::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    // Nothing in the drawing changes at run time: not even while the window is disabled.
    paintResistorDrawing(painter, palette().color(QPalette::Active, QPalette::WindowText));
}

void KWELT::closeEvent(QCloseEvent* event)
{
    // A disabled window cannot be closed from its title bar either.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void KWELT::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyTextColours(this, layout::Controls);
    }
    if (event->type() == QEvent::EnabledChange) {
        platform::followEnabledState(this);
    }
    // While the About window keeps this window disabled, activating this window (a click on
    // it, or its taskbar button) brings the About window back to the front instead, so that
    // the way out is never hidden; and so, where the window system leaves it to the program, the
    // message box that blocks it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (!isEnabled()) {
            bringAboutWindowBack();
        } else if (QApplication::activeModalWidget() != nullptr) {
            bringBoxBack();
        }
    }
}

void KWELT::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        platform::placeMainWindow(this);
    }
    // A click on this window while it is disabled reaches no control; its native window still
    // sees it.
    if (windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
}

bool KWELT::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress && !isEnabled()) {
        bringAboutWindowBack();
    }
    return QWidget::eventFilter(watched, event);
}

void KWELT::bringAboutWindowBack()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* about = qobject_cast<AboutKWELT*>(window);
        if (about == nullptr || about->isHidden()) {
            continue;
        }
        // Minimized, it would keep this window disabled out of sight. Done once the activation
        // of this window has run its course, or it would win over the About window's.
        QMetaObject::invokeMethod(
            about, [this, about] { m_activation->bringBack(about); }, Qt::QueuedConnection);
        break;
    }
}

void KWELT::bringBoxBack()
{
    // Once this window's activation has run its course, as for the About window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                m_activation->blockedByBox(box);
            }
        },
        Qt::QueuedConnection);
}

template <typename Handler>
void KWELT::runHandler(Handler&& handler)
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
