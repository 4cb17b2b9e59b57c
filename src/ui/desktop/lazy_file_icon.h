// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// An icon from a picture file that is read only when it is first drawn or
// asked for a picture: the window icon, which many window systems never ask
// for, and which would otherwise be decoded before the first window appears.
// Its size is read from the file's header alone.
QIcon lazyFileIcon(const QString &path);
