#include "ui/desktop/look_alike_fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>

void loadLookAlikeFonts()
{
    static const char *const files[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/tahomabd.ttf",
        "/usr/share/wine/fonts/ms_sans_serif.ttf",
    };
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        for (const char *file : files) {
            const QString path = QString::fromLatin1(file);
            if (!QFileInfo::exists(path))
                continue;
            const int id = QFontDatabase::addApplicationFont(path);
            // A font drawn only from its built-in bitmaps keeps their size
            // when the screen is scaled: its letters come out tiny and far
            // apart. There the metric-compatible outline fonts stand in.
            if (id >= 0 && qApp && qApp->devicePixelRatio() > 1.0) {
                const QStringList families = QFontDatabase::applicationFontFamilies(id);
                if (!families.isEmpty() && !QFontDatabase::isSmoothlyScalable(families.first()))
                    QFontDatabase::removeApplicationFont(id);
            }
        }
    }
}
