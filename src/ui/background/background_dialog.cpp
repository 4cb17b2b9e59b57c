// SPDX-License-Identifier: GPL-3.0-or-later
// The Background dialog: the folder tree, the pictures in a folder and "Stretch".
#include "ui/background/background_dialog.h"

#include "ui/accessibility/choice_accessible.h"
#include "ui/accessibility/mnemonics.h"
#include "ui/background/board_background.h"
#include "ui/background/background_image.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/look_alike_fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTreeView>

namespace {

constexpr int Left = 8;
constexpr int ListWidth = 145;

bool isInside(const QString &path, const QString &folder)
{
    const QString base = QDir::cleanPath(folder);
    const QString clean = QDir::cleanPath(path);
    return clean == base || clean.startsWith(base.endsWith('/') ? base : base + '/');
}

} // namespace

TfrmBG::TfrmBG(Desktop &desktop, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_desktop(desktop)
{
    setObjectName(QStringLiteral("frmBG"));
    setWindowTitle(tr("Background"));
    ChoiceAccessible::install();
    setModal(false);
    setFixedSize(ClientWidth, ClientHeight);
    QFont font(QStringLiteral("Tahoma"));
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    setFont(font);
    move(193, 109);

}

// The folder tree watches the file system from threads of its own: built when
// the dialog is first shown, so that start-up does not pay for it.
void TfrmBG::ensureWidgets()
{
    if (DriveComboBox1)
        return;
    loadLookAlikeFonts();
    // A Linux system has no drives: browse from the root or from home.
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(Left, 8, ListWidth, 22);
    DriveComboBox1->addItem(QStringLiteral("/"), QStringLiteral("/"));
    const QString home = QDir::homePath();
    if (home != QLatin1String("/"))
        DriveComboBox1->addItem(QDir::toNativeSeparators(home), home);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setGeometry(Left, 34, ListWidth, 104);
    DirectoryListBox1->setModel(m_folders);
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->setIndentation(10);

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(Left, 142, ListWidth, 94);
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);

    CheckBox1 = new QCheckBox(tr("Stretch"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(Left, 246, 66, 20);
    CheckBox1->setChecked(true);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Left + ListWidth - 70, 244, 70, 25);

    // The lists have no captions of their own: a screen reader says what each holds.
    DriveComboBox1->setAccessibleName(tr("Browse from"));
    DirectoryListBox1->setAccessibleName(tr("Folders"));
    FileListBox1->setAccessibleName(tr("Pictures"));

    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int index) { setFolder(DriveComboBox1->itemData(index).toString()); });
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { folderPicked(); });
    // The selection, not the current item: focus alone must not load a picture.
    // Folders are listed in the background; keep the current one in sight as they come.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this,
            [this] { DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex()); });
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, [this] { FileListBox1Change(); });
    // Enter chooses the picture under the keys, then goes on to "OK".
    connect(FileListBox1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { FileListBox1->setCurrentItem(item, QItemSelectionModel::ClearAndSelect); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(OKButton, &QPushButton::clicked, this, &QDialog::close);
    Mnemonics::assign(*this);
}

void TfrmBG::attach(BoardBackground &background, SettingsFile &settings)
{
    m_background = &background;
    m_settings = &settings;
}

QString TfrmBG::startFolder() const
{
    if (m_settings) {
        const QString picture = BoardBackground::storedPicture(*m_settings);
        if (!picture.isEmpty()) {
            const QFileInfo info(picture);
            if (info.dir().exists())
                return info.absolutePath();
        }
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

// The controls are built before the dialog shows its children: built in
// showEvent, after Qt has shown them, they would stay hidden.
void TfrmBG::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        ensureWidgets();
        if (!m_placed) {
            m_placed = true;
            setFolder(startFolder());
        }
        // The box tells what the board does, also after a restart with "Stretch" cleared.
        if (m_background)
            CheckBox1->setChecked(m_background->image().stretch());
    }
    QDialog::setVisible(visible);
    // The keys start on the pictures; Tab goes on to "Stretch" and "OK".
    if (visible && !focusWidget())
        FileListBox1->setFocus();
}

void TfrmBG::setFolder(const QString &path)
{
    ensureWidgets();
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString home = QDir::homePath();
    const int rootIndex = (home != QLatin1String("/") && isInside(folder, home)) ? 1 : 0;
    const QString root = DriveComboBox1->itemData(rootIndex).toString();
    DriveComboBox1->setCurrentIndex(rootIndex);

    m_folder = folder;
    {
        const QSignalBlocker block(DirectoryListBox1->selectionModel());
        DirectoryListBox1->setRootIndex(m_folders->index(root));
        const QModelIndex current = m_folders->index(folder);
        for (QModelIndex up = current.parent(); up.isValid(); up = up.parent())
            DirectoryListBox1->expand(up);
        DirectoryListBox1->setCurrentIndex(current);
        DirectoryListBox1->scrollTo(current);
    }
    fillFileList();
}

void TfrmBG::folderPicked()
{
    const QModelIndex current = DirectoryListBox1->currentIndex();
    if (!current.isValid())
        return;
    m_folder = m_folders->filePath(current);
    fillFileList();
}

void TfrmBG::fillFileList()
{
    const QSignalBlocker block(FileListBox1);
    FileListBox1->clear();
    const QDir dir(m_folder);
    // Name patterns match without regard to case: "*.bmp" lists "SKY.BMP" too.
    FileListBox1->addItems(dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    // The keys start on the first picture without choosing it: Space chooses
    // it, the arrows choose the next, also when the list was filled under them.
    FileListBox1->selectionModel()->setCurrentIndex(FileListBox1->model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void TfrmBG::FileListBox1Change()
{
    const QList<QListWidgetItem *> picked = FileListBox1->selectedItems();
    if (picked.isEmpty() || !m_background || !m_settings)
        return;
    const QString path = QDir(m_folder).filePath(picked.first()->text());
    if (!m_background->pick(path, *m_settings))
        m_desktop.showMessage(this, Desktop::BoxKind::Warning, windowTitle(),
                             tr("%1 is not a picture that can be shown.")
                                 .arg(QDir::toNativeSeparators(path)));
}

void TfrmBG::CheckBox1Click()
{
    if (m_background && m_settings)
        m_background->setStretch(CheckBox1->isChecked(), *m_settings);
}
