// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_boxes.h"

#include "fixed_window.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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
    keepWindowNormal(&box); // makes the native window
#ifdef Q_OS_WIN
    // Qt gives the box its parent's icon; a Windows message box has none in its title bar.
    const auto window = reinterpret_cast<HWND>(box.winId());
    SendMessageW(window, WM_SETICON, ICON_SMALL, 0);
    SendMessageW(window, WM_SETICON, ICON_BIG, 0);
#endif
    box.exec();
}

void showUnhandledError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationName(), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace kwelt
