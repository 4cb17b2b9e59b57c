// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder that holds the executable, with exactly one trailing '/'. Every
// data path of the game is this folder followed by a relative name.
QString programFolder();

// Tests and tools point the game at another folder; an empty one goes back
// to the executable's folder.
void setProgramFolder(const QString &folder);

// The folder part of an executable path as the system gives it (bytes),
// ending in exactly one '/'; a leading "//" of a network path stays as it is.
// A folder whose name is no UTF-8 is opened and named through its descriptor
// ("/proc/self/fd/7/"); empty when that fails.
QString folderOfExecutable(const QByteArray &executablePath);

// ProgramFolder + relative name. Backslashes in the name become '/', and each
// part of the name is matched without regard to case against what is on disk
// (so "xq\\splash1.bmp" finds "xq/Splash1.BMP"). A part that does not exist is
// kept as written.
QString dataPath(const QString &relativeName);
