#pragma once

#include <QString>

// The game's one settings file ("ZRV_XQ.INI"), an INI file read and written
// through at once: no cache, so another running copy sees every write.
//
// Section and key names are matched without regard to case; blanks around names
// and values are not part of them. Every read names its own default. A write
// replaces a key where it stands or appends it to its section (the section to
// the file, the file to the disk) and replaces the file atomically. A write that
// cannot be done throws GameError("Unable to write to <path>"); so does a key,
// section or value holding a line break, which would inject other entries.
class SettingsFile
{
public:
    explicit SettingsFile(const QString &path); // touches no file
    QString path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    qint32 readInteger(const QString &section, const QString &key, qint32 defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, qint32 value);
    void writeBool(const QString &section, const QString &key, bool value);

private:
    QString m_path;
};
