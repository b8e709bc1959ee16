// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

namespace kwelt {

// The credits window. It has no owner: the main window stays disabled while it is open, which
// blocks the main window without a modal display. However the About window goes, the main
// window is enabled again first.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    // Creates the window hidden and disables `mainWindow`. The window deletes
    // itself when it is closed.
    explicit AboutWindow(QWidget* mainWindow);
    ~AboutWindow() override;

    // The six credit lines, each ending in CR LF.
    static QString creditsText();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void disableMainWindow();
    void enableMainWindow();

    QPointer<QWidget> m_mainWindow;
    // The control of the main window that had the focus, which gets it back.
    QPointer<QWidget> m_mainWindowFocus;
};

} // namespace kwelt
