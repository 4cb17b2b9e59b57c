// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class BoardBackground;
class Desktop;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QListWidget;
class QPushButton;
class QTreeView;
class SettingsFile;

// The Background dialog: a modeless window to put a picture behind the board.
// From top to bottom: where to browse from (the file system's root or the
// home folder), the folder tree, the "*.bmp" files of the chosen folder,
// "Stretch" and "OK". Picking a file shows it behind the board at once.
class TfrmBG : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 160;
    static constexpr int ClientHeight = 283;

    explicit TfrmBG(Desktop &desktop, QWidget *parent = nullptr);

    void attach(BoardBackground &background, SettingsFile &settings);

    // The folder whose pictures the file list shows.
    QString folder() const { return m_folder; }
    void setFolder(const QString &path);
    // Where the dialog starts: the folder of the picture last picked when it
    // still exists, else the player's pictures folder, else the home folder.
    QString startFolder() const;

    // Builds the controls below; showing the dialog does it first.
    void ensureWidgets();

    // Handlers.
    void FileListBox1Change();
    void CheckBox1Click();

    QComboBox *DriveComboBox1 = nullptr;
    QTreeView *DirectoryListBox1 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *OKButton = nullptr;

    void setVisible(bool visible) override;

private:
    void fillFileList();
    void folderPicked();

    Desktop &m_desktop;
    BoardBackground *m_background = nullptr;
    SettingsFile *m_settings = nullptr;
    QFileSystemModel *m_folders = nullptr;
    QString m_folder;
    bool m_placed = false;
};
