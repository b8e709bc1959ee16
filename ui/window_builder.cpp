// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_builder.h"

#include "platform/window_state.h"

#include "widgets/band_combo_box.h"
#include "widgets/program_picture.h"
#include "widgets/push_button.h"
#include "widgets/readout_label.h"

#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>

namespace kwelt {
namespace {

// "Colour N", as the program's messages call the bands.
QString colourNumber(int band)
{
    return QStringLiteral("สีที่ %1").arg(band);
}

// The title of the frame that holds a read-out field, "the value read".
QString frameTitle(const Control& control, std::span<const Control> table)
{
    if (!control.parent) {
        return {};
    }
    const Control& frame = rowOf(table, *control.parent);
    return frame.texts != nullptr ? frame.texts().value(0) : QString();
}

QWidget* makeList(const Control& control, QWidget* parent)
{
    auto* list = new BandComboBox(parent);
    list->setAccessibleName(colourNumber(control.band));
    // Qt names a combo box by its current entry for Linux screen readers; the description
    // still says which band it is.
    list->setAccessibleDescription(colourNumber(control.band));
    return list;
}

QWidget* makeReadoutField(const Control& control, std::span<const Control> table, QWidget* parent)
{
    // "The value read, colour N": the read-out field of band N.
    auto* field = new ReadoutLabel(
        control.texts().value(0), frameTitle(control, table) + QLatin1Char(' ') + colourNumber(control.band), parent);
    field->setAlignment(control.alignment);
    return field;
}

QWidget* makeLabel(const Control& control, QWidget* parent)
{
    auto* label = new QLabel(control.texts().value(0), parent);
    label->setAlignment(control.alignment);
    return label;
}

QWidget* makeCreditsBox(const Control& control, QWidget* parent)
{
    auto* box = new QTextEdit(parent);
    box->setPlainText(control.texts().join(QString()));
    // The user can select and copy the text, never change it.
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setAcceptRichText(false);
    box->document()->setDocumentMargin(CreditsMargin);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QWidget* makeControl(const Control& control, std::span<const Control> table, QWidget* parent)
{
    switch (kindOf(control.role)) {
    case ControlKind::List:
        return makeList(control, parent);
    case ControlKind::Button:
        return new PushButton(control.texts().value(0), parent);
    case ControlKind::Frame:
        return new QGroupBox(control.texts().value(0), parent);
    case ControlKind::Label:
        return makeLabel(control, parent);
    case ControlKind::ReadoutField:
        return makeReadoutField(control, table, parent);
    case ControlKind::Picture:
        return new PictureLabel(parent);
    case ControlKind::CreditsBox:
        return makeCreditsBox(control, parent);
    }
    return nullptr;
}

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::List || kind == ControlKind::Button || kind == ControlKind::CreditsBox;
}

} // namespace

std::vector<BuiltControl> setUpWindow(QWidget* window, const WindowLayout& layout)
{
    window->setObjectName(QLatin1String(layout.name));
    window->setWindowTitle(layout.title);
    window->setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    window->setBackgroundRole(QPalette::Button);
    window->setAutoFillBackground(true);

    std::vector<BuiltControl> built;
    QWidget* previous = nullptr;
    for (const Control& control : layout.controls) {
        QWidget* parent = window;
        for (const BuiltControl& other : built) {
            if (control.parent == other.row->role) {
                parent = other.widget;
            }
        }
        QWidget* widget = makeControl(control, layout.controls, parent);
        widget->setObjectName(QLatin1String(control.name));
        widget->setGeometry(toPixels(control.rect));
        if (control.background != 0) {
            // Children take the window's background role unless they name their own.
            widget->setBackgroundRole(QPalette::Window);
            widget->setAutoFillBackground(true);
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, QColor::fromRgb(control.background));
            widget->setPalette(palette);
        }
        if (auto* frame = qobject_cast<QFrame*>(widget); frame != nullptr && control.border) {
            frame->setFrameShape(QFrame::Box);
            frame->setLineWidth(1);
        }
        if (takesFocus(kindOf(control.role))) {
            if (previous == nullptr) {
                widget->setFocus();
            } else {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
        built.push_back({&control, widget});
    }
    applyTextColours(window, built);
    platform::keepWindowNormal(window);
    return built;
}

void applyTextColours(const QWidget* window, std::span<const BuiltControl> controls)
{
    for (const auto& [row, widget] : controls) {
        if (row->textColour == QPalette::WindowText) {
            continue;
        }
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, window->palette().color(row->textColour));
        widget->setPalette(palette);
    }
}

} // namespace kwelt
