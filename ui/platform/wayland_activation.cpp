// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Wayland: a program cannot raise or focus its own windows. It asks the compositor, through
// xdg_activation_v1, with a token that the compositor grants on the strength of the user's last
// input to the program. Qt asks in its own way, which GNOME's compositor refuses after a click: Qt
// names the serial of the last input, the button's release, where mutter wants that of the
// keyboard's entry or of the button's press. And Qt asks nothing for a message box. Compositors
// that only mark a window as urgent when asked (sway) stack and focus a window shown anew.
//
// Qt also learns where the keyboard went only a round trip late, and then compares that with the
// focus window it has taken in so far. When the keyboard leaves and comes back within that round
// trip, as it does when kwelt hands it back at once on a busy machine, Qt can miss the way back:
// the compositor, and Qt's own window, give the keys to the blocking window, while Qt's focus
// window stays the main window. kwelt follows the keyboard itself, and tells Qt again.

#include "window_activation.h"
#include "window_state.h"

#include "xdg-activation-v1-client-protocol.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <wayland-client.h>

#include <list>

#include <unistd.h>

namespace kwelt::platform {
namespace {

// How long a compositor may take to grant an activation before the window is shown anew.
constexpr int ActivationGrace = 300; // ms

// The surface that shows `window` now: none while it is hidden, a new one each time it is shown.
// Qt offers a window's surface only through its private platform interface.
wl_surface* surfaceOf(QWindow* window)
{
    return window->handle() == nullptr
        ? nullptr
        : static_cast<wl_surface*>(
            QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
}

class WaylandActivation final : public WindowActivation
{
public:
    WaylandActivation(QWidget* mainWindow, BlockingWindow blockingWindow, wl_display* display)
        : WindowActivation(mainWindow, std::move(blockingWindow))
        , m_display(display)
    {
        // A registry of its own on Qt's connection: Qt's event loop dispatches its events, which
        // bind the globals and then follow the keyboard.
        m_registry = wl_display_get_registry(display);
        wl_registry_add_listener(m_registry, &RegistryListener, this);
        wl_display_flush(display);
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &WaylandActivation::queueFollowingKeyboard);
    }

    ~WaylandActivation() override
    {
        for (Request& request : m_requests) {
            xdg_activation_token_v1_destroy(request.token);
        }
        if (m_keyboard != nullptr) {
            wl_keyboard_release(m_keyboard);
        }
        if (m_seat != nullptr) {
            wl_seat_release(m_seat);
        }
        if (m_activation != nullptr) {
            xdg_activation_v1_destroy(m_activation);
        }
        wl_registry_destroy(m_registry);
    }

    WaylandActivation(const WaylandActivation&) = delete;
    WaylandActivation& operator=(const WaylandActivation&) = delete;

protected:
    void bringBack(QWidget* window) override
    {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        activate(window);
    }

    void bringBoxBack(QWidget* box) override { activate(box); }

private:
    // A token asked for, and the window it is to activate.
    struct Request
    {
        WaylandActivation* self;
        xdg_activation_token_v1* token;
        QPointer<QWidget> window;
    };

    void activate(QWidget* window)
    {
        wl_surface* focus = m_focus != nullptr ? surfaceOf(m_focus) : nullptr;
        if (m_activation != nullptr && m_seat != nullptr && focus != nullptr) {
            // Asked for by the surface that holds the keyboard, with the serial it was given the
            // keyboard with: the user has just chosen that window, and every compositor grants that.
            Request& request
                = m_requests.emplace_back(Request{this, xdg_activation_v1_get_activation_token(m_activation), window});
            xdg_activation_token_v1_add_listener(request.token, &TokenListener, &request);
            xdg_activation_token_v1_set_serial(request.token, m_focusSerial, m_seat);
            xdg_activation_token_v1_set_surface(request.token, focus);
            const QByteArray appId = QGuiApplication::desktopFileName().toUtf8();
            if (!appId.isEmpty()) {
                xdg_activation_token_v1_set_app_id(request.token, appId.constData());
            }
            xdg_activation_token_v1_commit(request.token);
            wl_display_flush(m_display);
        }
        // A compositor that grants the request does so at once; one that only marks the window
        // (sway, by default) stacks a window that is shown anew on top, and gives it the keyboard.
        QTimer::singleShot(ActivationGrace, window, [window] {
            if (window->isVisible() && !window->isActiveWindow()) {
                showAnew(window);
            }
        });
    }

    void queueFollowingKeyboard()
    {
        // Once Qt has taken in what it has already been told.
        QMetaObject::invokeMethod(this, &WaylandActivation::followKeyboard, Qt::QueuedConnection);
    }

    // Makes the window that holds the keyboard Qt's focus window, where Qt's own window for it
    // knows it is active and Qt's focus window is another.
    void followKeyboard()
    {
        QWindow* holder = m_focus;
        if (holder != nullptr && holder != QGuiApplication::focusWindow() && holder->type() != Qt::Popup
            && holder->handle() != nullptr && holder->handle()->isActive()) {
            tellQtFocusWindow(holder);
        }
    }

    static void tokenDone(void* data, xdg_activation_token_v1*, const char* token)
    {
        auto* request = static_cast<Request*>(data);
        WaylandActivation* self = request->self;
        QWidget* window = request->window;
        if (wl_surface* surface = window != nullptr ? surfaceOf(window->windowHandle()) : nullptr) {
            xdg_activation_v1_activate(self->m_activation, token, surface);
            wl_display_flush(self->m_display);
        }
        xdg_activation_token_v1_destroy(request->token);
        self->m_requests.remove_if([request](const Request& r) { return &r == request; });
    }

    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
    {
        auto* self = static_cast<WaylandActivation*>(data);
        if (qstrcmp(interface, xdg_activation_v1_interface.name) == 0 && self->m_activation == nullptr) {
            self->m_activation
                = static_cast<xdg_activation_v1*>(wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
        } else if (qstrcmp(interface, wl_seat_interface.name) == 0 && self->m_seat == nullptr && version >= 5) {
            self->m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 5));
            wl_seat_add_listener(self->m_seat, &SeatListener, self);
        }
    }

    static void globalRemove(void*, wl_registry*, uint32_t) { }

    static void capabilities(void* data, wl_seat* seat, uint32_t capabilities)
    {
        auto* self = static_cast<WaylandActivation*>(data);
        const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
        if (keyboard && self->m_keyboard == nullptr) {
            self->m_keyboard = wl_seat_get_keyboard(seat);
            wl_keyboard_add_listener(self->m_keyboard, &KeyboardListener, self);
        } else if (!keyboard && self->m_keyboard != nullptr) {
            wl_keyboard_release(self->m_keyboard);
            self->m_keyboard = nullptr;
            self->m_focus = nullptr;
        }
    }

    static void seatName(void*, wl_seat*, const char*) { }

    static void keymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) { close(fd); }

    static void enter(void* data, wl_keyboard*, uint32_t serial, wl_surface* surface, wl_array*)
    {
        auto* self = static_cast<WaylandActivation*>(data);
        // Kept as the window, not its surface, which Qt destroys when it hides the window.
        self->m_focus = nullptr;
        for (QWindow* window : QGuiApplication::allWindows()) {
            if (surface != nullptr && surfaceOf(window) == surface) {
                self->m_focus = window;
                self->m_focusSerial = serial;
            }
        }
        self->queueFollowingKeyboard();
    }

    static void leave(void* data, wl_keyboard*, uint32_t, wl_surface*)
    {
        static_cast<WaylandActivation*>(data)->m_focus = nullptr;
    }

    static void key(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) { }
    static void modifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) { }
    static void repeatInfo(void*, wl_keyboard*, int32_t, int32_t) { }

    static constexpr wl_registry_listener RegistryListener{global, globalRemove};
    static constexpr wl_seat_listener SeatListener{capabilities, seatName};
    static constexpr wl_keyboard_listener KeyboardListener{keymap, enter, leave, key, modifiers, repeatInfo};
    static constexpr xdg_activation_token_v1_listener TokenListener{tokenDone};

    wl_display* m_display;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    xdg_activation_v1* m_activation = nullptr;
    // The window that holds the keyboard, and the serial it was given it with.
    QPointer<QWindow> m_focus;
    uint32_t m_focusSerial = 0;
    std::list<Request> m_requests;
};

// Qt's connection to the compositor: public since Qt 6.5, through Qt's platform interface before.
wl_display* qtDisplay()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const auto* wayland = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>();
    return wayland != nullptr ? wayland->display() : nullptr;
#else
    return static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
#endif
}

} // namespace

void tellQtFocusWindow(QWindow* window)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    QWindowSystemInterface::handleFocusWindowChanged(window, Qt::ActiveWindowFocusReason);
#else
    QWindowSystemInterface::handleWindowActivated(window, Qt::ActiveWindowFocusReason);
#endif
}

WindowActivation* WindowActivation::create(QWidget* mainWindow, BlockingWindow blockingWindow)
{
    wl_display* display = onWayland() ? qtDisplay() : nullptr;
    if (display == nullptr) {
        return new WindowActivation(mainWindow, std::move(blockingWindow));
    }
    return new WaylandActivation(mainWindow, std::move(blockingWindow), display);
}

} // namespace kwelt::platform
