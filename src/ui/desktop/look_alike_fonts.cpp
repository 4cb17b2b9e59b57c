// SPDX-License-Identifier: GPL-3.0-or-later
// The free look-alikes of "Tahoma" and "MS Sans Serif" that fonts-wine ships, loaded for the program.
#include "ui/desktop/look_alike_fonts.h"

#include <QFileInfo>
#include <QFontDatabase>

void loadLookAlikeFonts()
{
    // No tahomabd.ttf: its letters are no heavier than the regular face's,
    // whereas Qt emboldens the regular face when there is no bold one.
    static const char *const files[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/ms_sans_serif.ttf",
    };
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    for (const char *file : files) {
        const QString path = QString::fromLatin1(file);
        if (!QFileInfo::exists(path))
            continue;
        const int id = QFontDatabase::addApplicationFont(path);
        // A font drawn only from built-in bitmaps offers their one size in
        // the font chooser, draws every other size at the nearest bitmap and
        // does not follow the screen's scale; the metric-compatible outline
        // fonts named beside it stand in instead.
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id >= 0 && (families.isEmpty() || !QFontDatabase::isSmoothlyScalable(families.first())))
            QFontDatabase::removeApplicationFont(id);
    }
}
