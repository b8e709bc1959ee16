// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "about_window.h"
#include "band_combo_box.h"
#include "dialog_font.h"
#include "fixed_window.h"
#include "main_window_layout.h"
#include "main_window_texts.h"
#include "message_boxes.h"
#include "program_picture.h"
#include "push_button.h"
#include "qt_text.h"
#include "readout_label.h"
#include "resistor_drawing.h"

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

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kwelt {

namespace layout = main_window_layout;

namespace {

template <typename Widget>
Widget* place(Widget* widget, const char* name, const TwipsRect& rect)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(toPixels(rect));
    return widget;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const TwipsRect& rect)
{
    return place(new PushButton(text, parent), name, rect);
}

ReadoutLabel* makeReadoutLabel(QWidget* frame, const char* name, const QString& accessibleName, const TwipsRect& rect,
    const QColor& background, Qt::Alignment alignment, const QString& text = {})
{
    auto* label = place(new ReadoutLabel(text, accessibleName, frame), name, rect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    // Children take the window's background role unless they name their own.
    label->setBackgroundRole(QPalette::Window);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    return label;
}

// "Colour N", as the program's messages call the bands.
QString colourNumber(int band)
{
    return QStringLiteral("สีที่ %1").arg(band);
}

BandComboBox* makeList(QWidget* parent, const char* name, int band, const TwipsRect& rect)
{
    auto* list = place(new BandComboBox(parent), name, rect);
    list->setAccessibleName(colourNumber(band));
    // Qt names a combo box by its current entry for Linux screen readers; the description
    // still says which band it is.
    list->setAccessibleDescription(colourNumber(band));
    return list;
}

// "The value read, colour N": the read-out field of band N.
QString readoutName(int band)
{
    return main_window_texts::valueRead() + QLatin1Char(' ') + colourNumber(band);
}

// Labels and the frame title are written in the system's button-text colour, taken from the
// window's colours (also when the desktop's colour scheme changes).
void useButtonTextColour(QWidget* widget, const QPalette& window)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, window.color(QPalette::ButtonText));
    widget->setPalette(palette);
}

#ifdef Q_OS_WIN
// Where Windows places a new overlapped window, each a step on from the one before: asked of a
// hidden window made for that alone, since Qt places its windows itself.
QPoint windowsDefaultPosition()
{
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT frame{};
    GetWindowRect(probe, &frame);
    DestroyWindow(probe);
    return {frame.left, frame.top};
}
#endif

} // namespace

KWELT::KWELT(EndProgram endProgram, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_endProgram(std::move(endProgram))
{
    setObjectName(QStringLiteral("KWELT"));
    // Worked out once: every window of the program takes this font from here.
    setFont(fitDialogFont(QApplication::font(), DialogTextRooms(style())));
    setWindowTitle(QStringLiteral("Brandelwick : KWELT"));
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(layout::ClientWidth), twipsToPixels(layout::ClientHeight));
    // The 3-D face colour: the colour of buttons.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    color1 = makeList(this, "color1", 1, layout::color1);
    color2 = makeList(this, "color2", 2, layout::color2);
    color3 = makeList(this, "color3", 3, layout::color3);
    color4 = makeList(this, "color4", 4, layout::color4);
    Command1 = makeButton(this, "Command1", QStringLiteral("About"), layout::Command1);
    Command2 = makeButton(this, "Command2", QStringLiteral("Exit"), layout::Command2);

    Frame1 = place(new QGroupBox(main_window_texts::valueRead(), this), "Frame1", layout::Frame1);
    useButtonTextColour(Frame1, palette());
    const QColor lightYellow(255, 255, 192);
    const QColor lightOrange(255, 224, 192);
    data1 = makeReadoutLabel(Frame1, "data1", readoutName(1), layout::data1, lightYellow, Qt::AlignHCenter);
    data2 = makeReadoutLabel(Frame1, "data2", readoutName(2), layout::data2, lightYellow, Qt::AlignHCenter);
    data3 = makeReadoutLabel(Frame1, "data3", readoutName(3), layout::data3, lightYellow, Qt::AlignHCenter);
    data4 = makeReadoutLabel(Frame1, "data4", readoutName(4), layout::data4, lightOrange, Qt::AlignLeft,
        main_window_texts::layoutTolerance());

    Label1 = place(new QLabel(main_window_texts::versionNote(), this), "Label1", layout::Label1);
    Label1->setAlignment(Qt::AlignCenter);
    useButtonTextColour(Label1, palette());

    Image1 = place(new PictureLabel(this), "Image1", layout::Image1);

    QWidget::setTabOrder(color1, color2);
    QWidget::setTabOrder(color2, color3);
    QWidget::setTabOrder(color3, color4);
    QWidget::setTabOrder(color4, Command1);
    QWidget::setTabOrder(Command1, Command2);
    color1->setFocus();

    connect(color1, &BandComboBox::Click, this, &KWELT::color1_Click);
    connect(color2, &BandComboBox::Click, this, &KWELT::color2_Click);
    connect(color3, &BandComboBox::Click, this, &KWELT::color3_Click);
    connect(color4, &BandComboBox::Click, this, &KWELT::color4_Click);
    connect(Command1, &QPushButton::clicked, this, &KWELT::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &KWELT::Command2_Click);
    keepWindowNormal(this);
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
    if (event->type() == QEvent::PaletteChange && Frame1 != nullptr && Label1 != nullptr) {
        useButtonTextColour(Frame1, palette());
        useButtonTextColour(Label1, palette());
    }
#ifdef Q_OS_WIN
    // Qt disables a window's widgets, not the window itself: Windows would still let the user
    // move it, use its system menu or close it. Disable the native window as well.
    if (event->type() == QEvent::EnabledChange && internalWinId() != 0) {
        EnableWindow(reinterpret_cast<HWND>(internalWinId()), isEnabled() ? TRUE : FALSE);
    }
#endif
    // While the About window keeps this window disabled, activating this window (a click on
    // it, or its taskbar button) brings the About window back to the front instead, so that
    // the way out is never hidden.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled()) {
        bringAboutWindowBack();
    }
}

void KWELT::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
#ifdef Q_OS_WIN
    if (!m_placed) {
        m_placed = true;
        // A main window is an overlapped window, where Qt makes a pop-up with a caption, and
        // Windows, not Qt, chooses where it first appears.
        const auto window = reinterpret_cast<HWND>(winId());
        SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~WS_POPUP);
        const QPoint position = windowsDefaultPosition();
        SetWindowPos(window, nullptr, position.x(), position.y(), 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
#endif
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
            about,
            [about] {
                about->setWindowState(about->windowState() & ~Qt::WindowMinimized);
                about->show();
                about->raise();
                about->activateWindow();
            },
            Qt::QueuedConnection);
        break;
    }
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
