// SPDX-License-Identifier: GPL-3.0-or-later
// The sound list with every listed file read once at start.
#include "sound/sound_table.h"

#include "sound/wave_format.h"

void SoundTable::build(const SoundFile::Finder &soundFile, const QStringList &soundList)
{
    m_names = soundList;
    m_data.clear();
    m_data.reserve(soundList.size());
    for (qsizetype k = 0; k < soundList.size(); ++k) {
        QByteArray entry;
        if (k > 0) {
            const QString &name = soundList[k];
            // Unreadable: the entry plays nothing.
            if (std::optional<QByteArray> bytes = SoundFile::read(soundFile(name))) {
                entry = std::move(*bytes);
                if (isHeaderlessName(name))
                    entry = rebuildHeaderlessWave(entry);
            }
            entry.append('\0');
        }
        m_data.append(entry);
    }
}

int SoundTable::find(const QString &name) const
{
    // Where names differ only in case they are different files: the one
    // written exactly so is the one chosen.
    for (qsizetype k = 1; k < m_names.size(); ++k) {
        if (m_names[k] == name)
            return int(k);
    }
    for (qsizetype k = 1; k < m_names.size(); ++k) {
        if (m_names[k].compare(name, Qt::CaseInsensitive) == 0)
            return int(k);
    }
    return -1;
}
