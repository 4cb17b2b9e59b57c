// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Background pictures on disk. Only whole pictures are read: a bitmap shorter
// than its header says (a copy torn by a full disk) is no picture, rather than
// one whose missing rows show black and would be saved back as a whole. A
// picture is written to a temporary file that replaces the old one only once
// it is complete, so a failed write leaves the old copy as it was.
QImage readWholePicture(const QString &path);
bool writePictureFile(const QImage &picture, const QString &path);
