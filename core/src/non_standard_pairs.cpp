// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <kwelt/non_standard_pairs.h>

namespace kwelt {

std::u16string nonStandardPairMessage(const NonStandardPair& row)
{
    constexpr std::u16string_view before1 = u"บน Resistor ไม่มีสีที่ 1 เป็น [ ";
    constexpr std::u16string_view before2 = u" ] แล้วสีที่ 2 เป็น [ ";
    constexpr std::u16string_view after2 = u" ] ครับ";

    std::u16string message;
    message.reserve(before1.size() + row.band1Name.size() + before2.size() + row.band2Name.size() + after2.size());
    message.append(before1).append(row.band1Name).append(before2).append(row.band2Name).append(after2);
    return message;
}

} // namespace kwelt
