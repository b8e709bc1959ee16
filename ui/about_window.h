// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QTextEdit;

namespace kwelt {

class PictureLabel;
class PushButton;

// The About window's controls, by what they do.
struct AboutWindowControls
{
    QLabel* productName = nullptr;
    QTextEdit* credits = nullptr;
    PushButton* okButton = nullptr;
    PictureLabel* picture = nullptr;
};

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

    const AboutWindowControls& controls() const { return m_controls; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void disableMainWindow();
    void enableMainWindow();

    QPointer<QWidget> m_mainWindow;
    // The control of the main window that had the focus, which gets it back.
    QPointer<QWidget> m_mainWindowFocus;
    AboutWindowControls m_controls;
};

} // namespace kwelt
