// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_file.h"

#include <QChar>
#include <QString>

#include <optional>

// Results of won rounds, kept in section "scores" of the settings file: one key
// per class letter and efficiency band ("M025"), valued "average,count".

// 'E' up to level 2, 'M' 3 to 5, 'H' 6 and 7, 'I' 8 and above.
QChar scoreClassLetter(int level);

// "025", "050", "075" or "100" from the moves as a percentage of the cells.
// The percentage is compared as zero-padded text, as the stored keys were
// always formed. A tileCount of 0 gives "100".
QString efficiencyBand(int moves, int tileCount);

// Folds a won round's rating into its key. Does nothing for a rating of 0 or
// less or no cells. Never throws and never shows anything: a damaged value or a
// settings file that cannot be written leaves the entry as it was.
// One locked read-change-write of the file.
void RecordScore(SettingsFile &settings, int rating, int moves, int tileCount, int level);
// What RecordScore writes, given the file as it is now (read under the
// lock): nothing when nothing is to be recorded. For a caller that writes
// other records in the same locked write.
SettingsFile::Changes scoreChanges(const SettingsFile &current, int rating, int moves, int tileCount, int level);

// The average stored under a key ("e025" or "E025"), as decimal text; "0" when
// the key is missing or its value cannot be read.
QString ReadScore(const SettingsFile &settings, const QString &key);
