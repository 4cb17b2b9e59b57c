// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/sound_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The sound list ("None" and the files of the sound folder) with every file
// read once. Entry k holds the k-th listed file, a ".music" file with its
// header rebuilt, followed by one zero byte; a file that cannot be read (or
// is no regular file, or is too large) leaves only the zero byte. Entry 0
// ("None") is empty.
class SoundTable
{
public:
    void build(const SoundFile::Finder &soundFile, const QStringList &soundList);

    // Index of the file entry (never "None") named exactly name, else of the
    // first whose name equals it without regard to case; -1 when none does.
    int find(const QString &name) const;

    qsizetype size() const { return m_names.size(); }
    QString name(qsizetype index) const { return m_names.value(index); }
    QByteArray data(qsizetype index) const { return m_data.value(index); }

private:
    QStringList m_names;
    QList<QByteArray> m_data;
};

// Whether a name is in the headerless ".music" form (written in lower case,
// anywhere in the name).
inline bool isHeaderlessName(const QString &name)
{
    return name.contains(QLatin1String(".music"), Qt::CaseSensitive);
}
