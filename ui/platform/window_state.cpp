// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_state.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <optional>

namespace kwelt::platform {

void showAnew(QWidget* window)
{
    // QWidget's own setVisible, not a dialog's, which would end a message box; newer Qts (6.8) end
    // its exec() all the same, and the box runs it again (showFindingMessage).
    window->QWidget::setVisible(false);
    window->QWidget::setVisible(true);
}

namespace {

void showChildrenAnew(QWidget* window)
{
    QList<QWidget*> children;
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->windowHandle() != nullptr
            && other->windowHandle()->transientParent() == window->windowHandle()) {
            children.append(other);
        }
    }
    showAnew(window);
    for (QWidget* child : children) {
        showAnew(child);
    }
    (children.isEmpty() ? window : children.last())->activateWindow();
}

// Runs an action once, when its window is first shown: Qt has made the native window then, and
// the window system has not yet seen it. A native window made earlier, by asking a window not yet
// shown for its winId(), is wrong on Wayland from Qt 6.8 on: once a message box made so opened,
// Qt drew its parent's controls a title bar's height too low, and left them there.
class OnFirstShow : public QObject
{
public:
    OnFirstShow(QWidget* window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            m_action();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// The title bars Qt draws on Wayland change the state of the native window, never telling the
// widget: this watches the native window, both what is asked of it (windowStateChanged) and
// what the window system has made of it (its WindowStateChange events).
class NormalStateKeeper : public QObject
{
public:
    explicit NormalStateKeeper(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        new OnFirstShow(window, [this] {
            QWindow* native = m_window->windowHandle();
            native->installEventFilter(this);
            connect(native, &QWindow::windowStateChanged, this, &NormalStateKeeper::asked);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange && onWayland()) {
            applied(m_window->windowHandle()->windowStates());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void asked(Qt::WindowState state)
    {
        if ((state & Qt::WindowMinimized) && onWayland()) {
            // Once the request has run its course in Qt.
            QMetaObject::invokeMethod(this, &NormalStateKeeper::restoreMinimized, Qt::QueuedConnection);
            return;
        }
        if (!(state & Enlarged)) {
            return;
        }
        if (!onWayland()) {
            m_window->windowHandle()->setWindowStates(Qt::WindowNoState);
            return;
        }
        if (m_fixedSize) {
            return;
        }
        // A Wayland client cannot take back a maximize request, and a compositor may end the
        // connection of a client whose window then does not fill the screen. So the window
        // fills it for a moment, and asks to be normal again once it is maximized.
        m_fixedSize = m_window->maximumSize();
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // A compositor that ignores the request never makes it maximized.
        QTimer::singleShot(2000, this, [this] {
            if (!(m_window->windowHandle()->windowStates() & Enlarged)) {
                restoreSize();
            }
        });
    }

    void applied(Qt::WindowStates states)
    {
        if (states & Enlarged) {
            // Only once the window has been shown maximized: a compositor takes a request to
            // end a state the window has not yet taken up for no change at all.
            QTimer::singleShot(100, this, [this] {
                const Qt::WindowStates now = m_window->windowHandle()->windowStates();
                if (now & Enlarged) {
                    m_window->windowHandle()->setWindowStates(now & ~Enlarged);
                }
            });
        } else {
            restoreSize();
        }
    }

    void restoreSize()
    {
        if (m_fixedSize) {
            m_window->setMaximumSize(*m_fixedSize);
            m_fixedSize.reset();
        }
    }

    void restoreMinimized()
    {
        if (m_window->isVisible()) {
            m_window->windowHandle()->setWindowStates(Qt::WindowNoState);
            showChildrenAnew(m_window);
        }
    }

    QWidget* m_window;
    std::optional<QSize> m_fixedSize;
};

} // namespace

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void keepWindowNormal(QWidget* window)
{
    new NormalStateKeeper(window);
}

void keepAbove(QWidget* window, QWidget* owner)
{
    if (!onWayland() || owner == nullptr) {
        return;
    }
    // Before the compositor first sees the window, which is when it places it.
    new OnFirstShow(window, [window, owner = QPointer<QWidget>(owner)] {
        if (owner != nullptr) {
            window->windowHandle()->setTransientParent(owner->window()->windowHandle());
        }
    });
}

} // namespace kwelt::platform
