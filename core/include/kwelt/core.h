// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole colour-code core: the band lists, the standard-value check and the decoder.
#include <kwelt/band_lists.h>
#include <kwelt/band_position.h>
#include <kwelt/check_first_bands.h>
#include <kwelt/decode_bands.h>
#include <kwelt/non_standard_pairs.h>
