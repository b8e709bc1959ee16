// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_boxes.h"

#include "platform/platform.h"
#include "platform/window_state.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>

namespace kwelt {

void showFindingMessage(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationName(), message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A window's font does not pass on to the windows it opens: the box takes it as its own, so
    // that its Thai reads as the window's does.
    if (parent != nullptr) {
        box.setFont(parent->window()->font());
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // No system menu: a plain message box shows no icon in its title bar either (on Windows
    // the box takes the dialog frame without one), only its close box.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A plain "OK": some styles and desktop themes add an icon and a mnemonic to the standard
    // buttons.
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setIcon(QIcon());
    ok->setText(QStringLiteral("OK"));
    platform::keepWindowNormal(&box);
    platform::removeTitleBarIcon(&box);
    // Where the window system will not raise it on request, the box is brought back by being shown
    // anew; newer Qts end exec() when a dialog is hidden, though no button was pressed. The box
    // waits for its answer until it has one.
    do {
        box.exec();
    } while (box.clickedButton() == nullptr && box.isVisible());
}

void showUnhandledError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationName(), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace kwelt
