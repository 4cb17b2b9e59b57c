// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Whole-file helpers. Failures throw GameError naming the file's path.

// The whole file; "Cannot open file <path>" when it cannot be read.
QByteArray readWholeFile(const QString &path);

// Writes the bytes as the whole file, created or truncated;
// "Cannot create file <path>" when it cannot be written.
void writeWholeFile(const QString &path, const QByteArray &bytes);
