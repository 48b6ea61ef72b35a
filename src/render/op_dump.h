// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text form of the entry table and of recorded drawing operations, one
// item a line, for scripts and for diffing two lists. Positions are twips,
// colours #RRGGBB, texts in double quotes with \ and " escaped and the
// characters a terminal acts on written out (cli::Quoted: ESC is \x1b).
//
//   EntryCount 36 / MaxValue 1377 / TotalValue 4771 (one a line)
//   Entry 1 433 "a"
//   Box 300 300 1785 1785 outline #004040 fill #AFAFAF solid
//   Print 330 330 #FFFF00 "a"

#include "entries/entry_table.h"
#include "surface/recording_surface.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace cellaro {

QString HexColour(Colour colour);

// The counters, then entries 1..EntryCount.
QStringList DumpEntryTable(const EntryTable& table);

QString DumpOp(const DrawOp& op);

QStringList DumpOps(const QList<DrawOp>& ops);

} // namespace cellaro
