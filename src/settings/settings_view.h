// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <utility>

#include <sys/types.h>

// What this copy of the game knows of the settings file: the first value of
// each key of the first section of each name, parsed in one pass over the
// file, and the stamp of the file it came from. The file is read again only
// when its stamp (device, inode, size, modification and change time)
// differs, or after a read too close to a change by another program for the
// stamp to tell (file times move in steps of milliseconds). A write of our
// own hands its bytes to the view, which then needs no read.
class SettingsView
{
public:
    // False when the file exists but cannot be read: the view is empty then.
    bool refresh(const QString &path);
    // After a write of our own: the bytes now under path, in pieces that each
    // end a line (all but the last).
    void adopt(const QList<QByteArrayView> &pieces, const QString &path);

    // The stored value of the key, raw; names as trimmed, any case.
    bool find(const QString &section, const QString &key, QByteArray &value) const;
    // The section's key names, case-folded.
    QList<QString> keys(const QString &section) const;
    // Whether the file under path is still the one this view was read from
    // (its stamp unchanged, the read trusted) and holds every value as given:
    // a write of these values would change nothing, so it can be left undone
    // without reading the file.
    bool holds(const QString &path, const QString &section, const QList<std::pair<QString, QString>> &entries) const;

    // How often the file itself was read.
    int fileReads() const { return m_fileReads; }

    struct Stamp
    {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        qint64 modified = 0; // nanoseconds
        qint64 changed = 0;
        bool operator==(const Stamp &) const = default;
    };

private:
    using Section = QHash<QString, QByteArray>;
    QHash<QString, Section> m_sections; // by case-folded name
    Stamp m_stamp;
    bool m_current = false;
    int m_fileReads = 0;
};
