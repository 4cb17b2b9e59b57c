// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class BackgroundImage;
class SettingsFile;

// The picture behind the board and its stretch flag: restored from the
// program folder's copy and the settings file, and changed by the player in
// the Background dialog (written to the settings file at once; the picture
// itself is copied to the program folder when the main window closes).
class BoardBackground
{
public:
    explicit BoardBackground(BackgroundImage &image) : m_image(image) {}

    BackgroundImage &image() { return m_image; }

    // Loads the copy when it exists and sets the stretch flag from "Stretch".
    // A picture the player picked during this run stays: the copy on disk is
    // the one from before, until the window closes. An unreadable copy is
    // ignored and the board keeps what it shows.
    void restore(const SettingsFile &settings, const QString &copyPath);

    // Shows the picture file behind the board and writes "Picture". False, with
    // nothing changed and nothing written, when the file is not a picture that
    // can be read.
    bool pick(const QString &path, SettingsFile &settings);

    // Stretches the picture over the board or shows it at natural size; writes "Stretch".
    void setStretch(bool on, SettingsFile &settings);

    // The picture file last picked, as "Picture" stores it; empty when none.
    static QString storedPicture(const SettingsFile &settings);

private:
    BackgroundImage &m_image;
    bool m_picked = false;
};
