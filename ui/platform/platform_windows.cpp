// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows: native disabling, an overlapped main window placed by Windows, message boxes without
// a title-bar icon, Windows' own Thai faces, and drop-down lists that select while the arrow keys
// move through them and centre their entry as Windows' own do.

#include "platform.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QRawFont>
#include <QStylePainter>
#include <QWidget>
#include <QtEndian>

#include <algorithm>
#include <cmath>

#include <windows.h>

namespace kwelt::platform {
namespace {

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

// A Windows drop-down list selects as the arrow keys move through it while it is open: the list
// moves its highlight first, then the field follows it, and the list's selection event runs.
class SelectWhileStepping : public QObject
{
public:
    explicit SelectWhileStepping(QComboBox* list)
        : QObject(list)
        , m_list(list)
    {
        list->view()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_list->view() || event->type() != QEvent::KeyPress || m_stepping) {
            return false;
        }
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            break;
        default:
            return false;
        }
        m_stepping = true;
        QCoreApplication::sendEvent(m_list->view(), event);
        m_stepping = false;
        const int highlighted = m_list->view()->currentIndex().row();
        if (highlighted >= 0) {
            m_list->setCurrentIndex(highlighted);
        }
        return true;
    }

private:
    QComboBox* m_list;
    bool m_stepping = false; // a key is moving the open list's highlight
};

} // namespace

QStringList thaiFaces()
{
    // Windows' own faces for Thai in user interfaces, then TLWG's for a Windows without them, such
    // as Wine, whose Tahoma has no Thai and whose fallback is the host's tall book face: Wine finds
    // Loma among the host's fonts, and kwelt carries it for a system with no Thai face at all.
    return {QStringLiteral("Leelawadee UI"), QStringLiteral("Tahoma"), QStringLiteral("Loma")};
}

QString latinFace(const QString& family)
{
    return family;
}

bool hasThaiFace()
{
    // kwelt's own faces only: to tell every family's writing systems, Windows' font database reads
    // every font on the system, which costs a quarter of a second of the start under Wine.
    const QStringList faces = thaiFaces();
    return std::any_of(faces.begin(), faces.end(),
        [](const QString& face) { return QFontDatabase::writingSystems(face).contains(QFontDatabase::Thai); });
}

ListLine listLine(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    constexpr quint16 UseTypoMetrics = 0x80;
    if (os2.size() < 78 || raw.unitsPerEm() <= 0 || !(qFromBigEndian<quint16>(os2.constData() + 62) & UseTypoMetrics)) {
        return {metrics.height(), metrics.ascent()}; // Qt measures the face as Windows does
    }
    // Whole pixels, as Qt rounds the metrics it takes from there.
    const qreal scale = raw.pixelSize() / raw.unitsPerEm();
    const qreal ascent = std::round(qFromBigEndian<quint16>(os2.constData() + 74) * scale);
    const qreal descent = std::round(qFromBigEndian<quint16>(os2.constData() + 76) * scale);
    return {ascent + descent, ascent};
}

bool listsCentreOnFontLine()
{
    return true;
}

void setUpList(QComboBox* list)
{
    new SelectWhileStepping(list);
}

bool paintList(QComboBox* list, const QStyleOptionComboBox& option)
{
    // The entry is centred on the line of the list's own font, and not on the taller line of the
    // face Thai falls back to, which would push the marks stacked on a Thai letter up against
    // the top of the field.
    QStylePainter painter(list);
    painter.setPen(list->palette().color(QPalette::Text));
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const ListLine line = listLine(list->font());
    const qreal top = (field.height() - std::ceil(line.height)) / 2;
    painter.setClipRect(field);
    painter.drawText(QPointF(field.left() + 1, field.top() + std::ceil(top + line.ascent)), option.currentText);
    return true;
}

void followEnabledState(QWidget* window)
{
    // Qt disables a window's widgets, not the window itself: Windows would still let the user
    // move it, use its system menu or close it.
    if (window->internalWinId() != 0) {
        EnableWindow(reinterpret_cast<HWND>(window->internalWinId()), window->isEnabled() ? TRUE : FALSE);
    }
}

void placeMainWindow(QWidget* window)
{
    // A main window is an overlapped window, where Qt makes a pop-up with a caption, and Windows,
    // not Qt, chooses where it first appears.
    const auto native = reinterpret_cast<HWND>(window->winId());
    SetWindowLongW(native, GWL_STYLE, GetWindowLongW(native, GWL_STYLE) & ~WS_POPUP);
    const QPoint position = windowsDefaultPosition();
    SetWindowPos(native, nullptr, position.x(), position.y(), 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void removeTitleBarIcon(QWidget* box)
{
    // Qt gives the box its parent's icon; a Windows message box has none in its title bar.
    const auto native = reinterpret_cast<HWND>(box->winId());
    SendMessageW(native, WM_SETICON, ICON_SMALL, 0);
    SendMessageW(native, WM_SETICON, ICON_BIG, 0);
}

} // namespace kwelt::platform
