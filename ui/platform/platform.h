// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QComboBox;
class QFont;
class QStyleOptionComboBox;
class QWidget;

// What kwelt does differently on one platform, so that the window code reads the same on every
// one. The build compiles one answer: platform_windows.cpp on Windows, platform_generic.cpp
// elsewhere. (A Wayland session is told apart only when the program runs: window_state.cpp.)
namespace kwelt::platform {

// Faces drawn for Thai on screens, best first. Their marks above and below stay inside a line of
// the Latin face, where the tall book faces (Garuda, Norasi) would need a larger line and so a
// smaller font.
QStringList thaiFaces();

// The face that draws Latin text for the desktop font's `family`. Where fontconfig chooses the
// faces, a family that names a kind ("Sans Serif") gets its face by the locale's language: under a
// Thai locale a Thai face, whose Latin letters sit small on a tall line. This asks for English.
QString latinFace(const QString& family);

// True where the system has a face that writes Thai, so that kwelt need not add the one it carries.
bool hasThaiFace();

// True where a drop-down list centres its entry on the line of its own font rather than on the
// line of the tallest face the entry is drawn in. The font fit must place the text as it is drawn.
bool listsCentreOnFontLine();

// The line a drop-down list centres its entry on, for `font`: its height and its ascent. Windows
// measures every face by its Windows metrics, also one that asks for its typographic ones (Wine's
// Tahoma does), whose shorter line would put the marks stacked on a Thai letter above the field.
struct ListLine
{
    qreal height;
    qreal ascent;
};
ListLine listLine(const QFont& font);

// Sets up a band list as the platform's own drop-down lists behave.
void setUpList(QComboBox* list);

// Paints `list` as the platform's own drop-down lists look. Returns false, having painted
// nothing, where Qt's painting is already that.
bool paintList(QComboBox* list, const QStyleOptionComboBox& option);

// Makes the window system's own window follow `window`'s enabled state, where disabling the
// widgets alone would still let the user move, close or use the window.
void followEnabledState(QWidget* window);

// Lets the window system choose where the main window first appears, as it places any new main
// window. Call when the window is first shown.
void placeMainWindow(QWidget* window);

// Takes the icon out of a message box's title bar, where the platform's own boxes show none.
void removeTitleBarIcon(QWidget* box);

} // namespace kwelt::platform
