// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_view.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <utility>

// The section of the settings file that holds the game's options.
inline const QString OptionsSection = QStringLiteral("Options");

// The game's one settings file ("ZRV_XQ.INI"), an INI file written through
// at once, so another running copy sees every write. Reads go through a view
// of the file parsed in one pass and parsed again only when the file changed
// on disk (see SettingsView), so a large hand-edited file is read once per start.
//
// Section and key names are matched without regard to case; blanks around names
// and values are not part of them. Every read names its own default. A write
// replaces a key where it stands or appends it to its section (the section to
// the file, the file to the disk) and replaces the file atomically. A write that
// cannot be done throws GameError("Unable to write to <path>"); so does a key,
// section or value holding a line break, which would inject other entries.
//
// Hand-edited files: every line that a write does not replace stays byte for
// byte; of duplicate sections or keys the first is the one read and rewritten;
// lines before the first section are never read. Lines end in "\n"; a carriage
// return ends a line's text (what follows it up to the line feed is ignored),
// so a read never returns what a write would refuse. Values are UTF-8; one that
// is not valid UTF-8 (written by older tools) is read as Windows-1252. New lines
// take the ending of the file's first line ("\r\n" for a new file).
//
// Writes of two running copies take turns under an advisory lock on the file;
// a lock not had within LockTimeoutMs is a write failure. A settings file that
// is a symbolic link is written where the link points, but only when that is
// a regular file owned by the player; anything else is a write failure.
class SettingsFile
{
public:
    explicit SettingsFile(const QString &path); // touches no file
    QString path() const { return m_path; }

    // Texts read back cut to their first MaxTextLength characters.
    static constexpr int MaxTextLength = 2047;
    static constexpr int LockTimeoutMs = 3000;

    // False for what a write refuses: a line break anywhere, or names that
    // would read back as another kind of line.
    static bool canStore(const QString &section, const QString &key, const QString &value);

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    qint32 readInteger(const QString &section, const QString &key, qint32 defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    // A section's keys (case-folded) and their values, in no particular
    // order, from one look at the file.
    QList<std::pair<QString, QString>> readSection(const QString &section) const; // key, value

    void writeString(const QString &section, const QString &key, const QString &value);
    // Several keys of one section in one write: one lock, one read, one
    // rename. All or nothing: a key or value that cannot be stored fails the
    // write before the file is touched.
    using Entry = std::pair<QString, QString>; // key, value
    void writeEntries(const QString &section, const QList<Entry> &entries);
    // A read-change-write in one turn at the lock: change reads the file as
    // it is under the lock (through the SettingsFile it is handed, never an
    // older read) and returns the entries to write, by section; they are
    // written in one rename. A record whose new value depends on the old one
    // (a count, a day's result) is written so, or another copy's write in
    // between is lost. Fails as writeEntries does, the file untouched.
    using Changes = QList<std::pair<QString, QList<Entry>>>; // section, its entries
    void update(const std::function<Changes(const SettingsFile &current)> &change);
    void writeInteger(const QString &section, const QString &key, qint32 value);
    void writeBool(const QString &section, const QString &key, bool value);

    // False when the file is there but is not read: not a regular file,
    // larger than a settings file can be, or unreadable. Every read gives its
    // default then, and every write fails, so the file stays as it is.
    bool readable() const { return m_view.refresh(m_path); }

    // Removes the temporary files of our own that writes killed before their
    // rename left beside the file ("ZRV_XQ.INI.Ab12Cd"), while no other
    // copy is writing: under the lock, which is taken on the file, so only
    // when the file is there. Returns how many went.
    int removeLeftovers();

    // How often reads went to the disk (the view's reads of the file).
    int fileReads() const { return m_view.fileReads(); }

private:
    bool readValue(const QString &section, const QString &key, QString &value) const;

    QString m_path;
    mutable SettingsView m_view;
};

// The settings file's integer rule: leading blanks skipped, an optional sign,
// then decimal digits, or hexadecimal digits after "$", "0x", "0X", "x" or "X";
// nothing may follow. A signed value must fit a signed 32-bit integer; unsigned
// hexadecimal may use all 32 bits ("$FFFFFFFF" is -1, "-$FFFFFFFF" is refused). Returns false (value untouched) for
// anything else, an empty text included.
bool parseSettingsInteger(QStringView text, qint32 &value);
