#include "picture_open_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTextLayout>
#include <QToolTip>

#include "editor_layout.h"
#include "file_system.h"
#include "picture_browser.h"
#include "picture_file.h"
#include "qimage_convert.h"
#include "text_fit_layout.h"

namespace {

constexpr int kClientWidthTwips = 6030;
constexpr int kClientHeightTwips = 4260;

int pixels(int twips)
{
    return twipsToPixels(twips, kUsualTwipsPerPixel);
}

QRect pixelRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

// The folder an entry of the folder list leads to, as the file system's bytes; the first line, which names the
// open folder, has none.
constexpr int kFolderRole = Qt::UserRole;
// A file list entry's name as the file system's bytes: the shown text may not lead back to it.
constexpr int kFileNameRole = Qt::UserRole;

std::vector<std::string> machineDrives()
{
    std::vector<MountedVolume> mounted;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        mounted.push_back({volume.rootPath().toStdString(), volume.fileSystemType().toStdString()});
    return pickableDrives(mounted, QDir::homePath().toStdString());
}

std::string bytesOf(const QListWidgetItem* item, int role)
{
    return item->data(role).toByteArray().toStdString();
}

// The text broken into lines that fit in a tooltip on any screen, within a word where a word is wider (a long
// file name); nothing of the text is lost.
QString tooltipLines(const QString& text)
{
    constexpr int kLineCharacters = 60;
    const QFont font = QToolTip::font();
    QTextLayout layout(text, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrapping);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(QFontMetrics(font).averageCharWidth() * kLineCharacters);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

PictureOpenDialog::PictureOpenDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Open"));
    auto* layout = new TextFitLayout(this, QSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips)));

    m_fileNameEdit = new QLineEdit(this);
    layout->place(m_fileNameEdit, pixelRect(120, 120, 2295, 285));
    m_folderList = new QListWidget(this);
    layout->place(m_folderList, pixelRect(120, 480, 2295, 3240));
    m_folderList->installEventFilter(this);
    m_driveList = new QComboBox(this);
    layout->place(m_driveList, pixelRect(120, 3840, 2295, 315));
    m_fileList = new QListWidget(this);
    layout->place(m_fileList, pixelRect(2520, 120, 2055, 3015));
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    layout->place(m_okButton, pixelRect(4680, 120, 1215, 375));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    layout->place(m_cancelButton, pixelRect(4680, 600, 1215, 375));
    m_preview = new QLabel(this);
    layout->place(m_preview, pixelRect(4680, 1080, 1215, 975));
    m_preview->setScaledContents(true);
    m_preview->setWordWrap(true);
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_folderList);
    setTabOrder(m_folderList, m_fileList);
    setTabOrder(m_fileList, m_driveList);
    setTabOrder(m_driveList, m_fileNameEdit);
    m_okButton->setFocus();

    for (const std::string& drive : machineDrives())
        m_driveList->addItem(QString::fromStdString(drive));
    openFolder(currentFolder());

    connect(m_driveList, &QComboBox::currentIndexChanged, this, &PictureOpenDialog::openSelectedDrive);
    connect(m_folderList, &QListWidget::itemDoubleClicked, this, &PictureOpenDialog::enterFolderOf);
    connect(m_fileList, &QListWidget::itemSelectionChanged, this, &PictureOpenDialog::previewSelectedFile);
    connect(m_fileList, &QListWidget::itemClicked, this, &PictureOpenDialog::previewSelectedFile);
    connect(m_okButton, &QPushButton::clicked, this, &PictureOpenDialog::acceptFile);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PictureOpenDialog::openFolder(const std::string& folder)
{
    const std::string previous = m_folder;
    m_folder = cleanAbsolutePath(folder);
    fillFolderList(previous);
    selectDriveOfFolder();
    listFolderPictures();
}

bool PictureOpenDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_folderList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterFolderOf(m_folderList->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PictureOpenDialog::openSelectedDrive()
{
    openFolder(m_driveList->currentText().toStdString());
}

void PictureOpenDialog::listFolderPictures()
{
    m_fileList->clear();
    for (const std::string& name : listPictureFiles(m_folder)) {
        auto* entry = new QListWidgetItem(displayName(name), m_fileList);
        entry->setData(kFileNameRole, QByteArray::fromStdString(name));
    }
}

void PictureOpenDialog::previewSelectedFile()
{
    const std::optional<std::string> path = takeSelectedFile();
    // A click on the entry just selected reports twice; the picture is read once.
    if (path && *path != m_previewedPath)
        showPreview(*path);
}

void PictureOpenDialog::acceptFile()
{
    m_chosenFile = takeSelectedFile();
    if (m_chosenFile)
        accept();
}

void PictureOpenDialog::enterFolderOf(const QListWidgetItem* item)
{
    if (item && item->data(kFolderRole).isValid())
        openFolder(bytesOf(item, kFolderRole));
}

void PictureOpenDialog::fillFolderList(const std::string& cameFrom)
{
    m_folderList->clear();
    const QString folder = displayName(m_folder);
    auto* heading = new QListWidgetItem(folder, m_folderList);
    heading->setFlags(Qt::ItemIsEnabled);
    heading->setToolTip(folder);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_folderList->setCurrentItem(heading);

    if (m_folder != "/") {
        auto* up = new QListWidgetItem(QStringLiteral(".."), m_folderList);
        up->setData(kFolderRole, QByteArray::fromStdString(parentFolder(m_folder)));
    }
    const bool cameUp = !cameFrom.empty() && cameFrom != m_folder && parentFolder(cameFrom) == m_folder;
    for (const std::string& name : listSubfolders(m_folder)) {
        auto* entry = new QListWidgetItem(displayName(name), m_folderList);
        const std::string path = chosenFilePath(m_folder, name);
        entry->setData(kFolderRole, QByteArray::fromStdString(path));
        if (cameUp && path == cameFrom)
            m_folderList->setCurrentItem(entry);
    }
}

void PictureOpenDialog::selectDriveOfFolder()
{
    std::vector<std::string> drives;
    for (int i = 0; i < m_driveList->count(); ++i)
        drives.push_back(m_driveList->itemText(i).toStdString());
    const QSignalBlocker quiet(m_driveList);
    m_driveList->setCurrentIndex(m_driveList->findText(QString::fromStdString(driveHolding(drives, m_folder))));
}

std::optional<std::string> PictureOpenDialog::takeSelectedFile()
{
    const QList<QListWidgetItem*> selected = m_fileList->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    m_fileNameEdit->setText(selected.front()->text());
    return chosenFilePath(m_folder, bytesOf(selected.front(), kFileNameRole));
}

void PictureOpenDialog::showPreview(const std::string& path)
{
    m_previewedPath = path;
    const Result<Surface> picture = loadPicture(path);
    if (picture) {
        m_preview->setPixmap(QPixmap::fromImage(toQImage(picture.value())));
        m_preview->setToolTip(QString());
        return;
    }
    // The message names the full path, far too long for the small box: the box says what happened, its tooltip
    // why.
    m_preview->setText(QStringLiteral("Cannot read this picture"));
    m_preview->setToolTip(tooltipLines(QString::fromStdString(picture.error())));
}

std::optional<std::string> showPictureOpenDialog(QWidget* parent)
{
    PictureOpenDialog dialog(parent);
    dialog.exec();
    return dialog.chosenFile();
}
