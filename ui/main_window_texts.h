// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/qt_text.h"

#include <kwelt/band_lists.h>

#include <QStringList>

// Every text each control of the main window can show, the one it has in the layout first.
namespace kwelt::main_window_texts {

// The entries of a band's list.
template <std::size_t Band>
QStringList listEntries()
{
    QStringList texts;
    for (std::u16string_view entry : BandLists[Band - 1].entries) {
        texts.append(toQString(entry));
    }
    return texts;
}

// The read-out fields start empty, but for data4's "error"; the first update replaces them with
// what the decoder makes of the selected bands.
QStringList firstDigits();
QStringList secondDigits();
QStringList multipliers();
QStringList tolerances();

QStringList about();
QStringList exit();
// The frame's title, "the value read".
QStringList valueRead();
// Label1's note, "Version 1.0".
QStringList versionNote();

} // namespace kwelt::main_window_texts
