#include "ui/look_alike_fonts.h"

#include <QFileInfo>
#include <QFontDatabase>

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
            if (QFileInfo::exists(path))
                QFontDatabase::addApplicationFont(path);
        }
    }
}
