// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-edited settings files: reading never fails, and what is written reads
// back the same while every other key keeps its value.
//
// Input: one byte choosing the key, one byte giving the value's length, the
// value's bytes, then the settings file itself.

#include "base/game_error.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const char *const Keys[][2] = {
    {"Options", "Presets"}, {"Options", "music"}, {"Options", "Dictionary"}, {"scores", "M025"},
    {"Levels", "TIMER4"},   {"options", "PRESETS"}, {"New", "key"},       {" Options ", " music "},
};
constexpr int KeyCount = int(sizeof Keys / sizeof Keys[0]);

QString trimBlanks(QString text)
{
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory when there is such a file system: every write syncs the file.
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/splitwick-fuzz-XXXXXX")
                                                         : QDir::tempPath() + QStringLiteral("/splitwick-fuzz-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("ZRV_XQ.INI"));
    if (size < 2)
        return 0;
    const int chosen = data[0] % KeyCount;
    const size_t valueLength = std::min<size_t>(data[1], size - 2);
    const QString value = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(valueLength));
    const QByteArray file(reinterpret_cast<const char *>(data + 2 + valueLength), qsizetype(size - 2 - valueLength));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file) != file.size())
            std::abort();
    }

    SettingsFile settings(path);
    QString before[KeyCount];
    for (int k = 0; k < KeyCount; ++k) {
        before[k] = settings.readString(Keys[k][0], Keys[k][1], QStringLiteral("<none>"));
        if (!SettingsFile::canStore(Keys[k][0], Keys[k][1], before[k]))
            std::abort(); // a read handed back what a write refuses
        qint32 number = 0;
        parseSettingsInteger(before[k], number);
        settings.readInteger(Keys[k][0], Keys[k][1], 0);
    }
    const char *section = Keys[chosen][0];
    const char *key = Keys[chosen][1];
    if (!SettingsFile::canStore(section, key, value))
        return 0;
    try {
        settings.writeString(section, key, value);
    } catch (const GameError &) {
        std::abort(); // a writable file and a storable value
    }
    const QString expected = trimBlanks(value).left(SettingsFile::MaxTextLength);
    if (settings.readString(section, key, QStringLiteral("<none>")) != expected)
        std::abort();
    for (int k = 0; k < KeyCount; ++k) {
        const bool same = QString::fromLatin1(Keys[k][0]).trimmed().compare(QString::fromLatin1(section).trimmed(), Qt::CaseInsensitive) == 0
                          && QString::fromLatin1(Keys[k][1]).trimmed().compare(QString::fromLatin1(key).trimmed(), Qt::CaseInsensitive) == 0;
        if (!same && settings.readString(Keys[k][0], Keys[k][1], QStringLiteral("<none>")) != before[k])
            std::abort(); // a write changed another key
    }
    return 0;
}
