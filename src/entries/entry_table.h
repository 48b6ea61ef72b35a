// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The store of accepted entries: labels and counts at indexes
// 1..EntryCount. Index 0 is never written; slots above EntryCount keep
// whatever an earlier parse left there.

#include "surface/int16.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace cellaro {

inline constexpr int kEntrySlots = 10001; // indexes 0..10000
inline constexpr int kMaxEntries = kEntrySlots - 1;

struct EntryTable {
    std::vector<QString> EntryNames = std::vector<QString>(kEntrySlots);
    std::array<Int16, kEntrySlots> EntryValues {};
    Int16 EntryCount = 0;
    Int16 MaxValue = 0;
    std::int32_t TotalValue = 0;
};

} // namespace cellaro
