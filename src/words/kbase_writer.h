// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a store as a dictionary file in the component stream that
// tZRVDictionary::LoadFromFile reads. The game itself never writes
// dictionaries; the dictionary tool and the tests do.

#include <QByteArray>
#include <QString>

class tZRVDictionary;

// The whole file as bytes. Texts up to 255 bytes are written as short texts,
// longer ones as long texts; empty texts and empty windows are left out. Set
// values follow the window rule: bit b of any window is written as the name
// of ordinal b.
QByteArray writeDictionary(const tZRVDictionary &store);

// Writes the file atomically (a temporary file beside it, then a rename), so a
// failure leaves any older file as it was. Throws GameError("Unable to write to <file>").
void saveDictionary(const tZRVDictionary &store, const QString &fileName);
