// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFile;

// Every file the game reads is opened here. Players' folders may hold
// anything: a FIFO blocks whoever opens it until a writer comes, a device or
// a link to /dev/zero never ends, a sparse file claims gigabytes. So a file
// is opened only when it is a regular file (a link is followed) no larger
// than its kind of file can be, and no more than that is ever read.

// The kinds of file the game reads, each with the most bytes it can hold.
enum class FileKind {
    Settings,   // the settings file
    Dictionary, // a dictionary: its format addresses its texts with 32 bits
    Sound,      // a sound effect or a tune: about six minutes of CD-quality WAVE
    Picture,    // a background or splash picture: no more than Qt's image readers decode
    KeptRound,  // the round in play kept between runs: 250 tiles and 45 words
    List,       // a few lines of the installation's or the desktop's (languages, a desktop entry)
};
qint64 largestFile(FileKind kind);

// Whether path is a regular file of at most its kind's size that may be read,
// by its status alone: nothing is opened (it may still change before it is).
bool fileFits(const QString &path, FileKind kind);

// Opens path into file for reading when it is a regular file of at most its
// kind's size. The check is made again on what was opened, so a file swapped
// for a FIFO or a larger one in between is let go. False when nothing was
// opened; whether the file is missing, the caller asks.
bool openToRead(QFile &file, const QString &path, FileKind kind);

// What is left of a file that openToRead opened, up to its kind's size;
// nothing when a read failed or the file grew past that while read.
std::optional<QByteArray> readRest(QFile &file, FileKind kind);

// The file's bytes: openToRead, then readRest.
std::optional<QByteArray> readFile(const QString &path, FileKind kind);

// The whole file; GameError "Cannot open file <path>" when readFile gives nothing.
QByteArray readWholeFile(const QString &path, FileKind kind);

// Writes the bytes as the whole file, created or truncated;
// "Cannot create file <path>" when it cannot be written.
void writeWholeFile(const QString &path, const QByteArray &bytes);
