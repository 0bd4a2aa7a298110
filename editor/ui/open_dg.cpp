#include "open_dg.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>

#include "editor_layout.h"
#include "picture_browser.h"
#include "picture_file.h"
#include "qimage_convert.h"

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

// The folder an entry of the folder list leads to; the first line, which names the open folder, has none.
constexpr int kFolderRole = Qt::UserRole;

std::vector<std::string> machineDrives()
{
    std::vector<MountedVolume> mounted;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        mounted.push_back({volume.rootPath().toStdString(), volume.fileSystemType().toStdString()});
    return pickableDrives(mounted, QDir::homePath().toStdString());
}

QString nameInFolder(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName();
}

}  // namespace

OpenDg::OpenDg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Open"));
    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));

    m_txtFile = new QLineEdit(this);
    m_txtFile->setGeometry(pixelRect(120, 120, 2295, 285));
    m_Dir1 = new QListWidget(this);
    m_Dir1->setGeometry(pixelRect(120, 480, 2295, 3240));
    m_Dir1->installEventFilter(this);
    m_Drive1 = new QComboBox(this);
    m_Drive1->setGeometry(pixelRect(120, 3840, 2295, 315));
    m_File1 = new QListWidget(this);
    m_File1->setGeometry(pixelRect(2520, 120, 2055, 3015));
    m_OKButton = new QPushButton(QStringLiteral("OK"), this);
    m_OKButton->setGeometry(pixelRect(4680, 120, 1215, 375));
    m_OKButton->setDefault(true);
    m_CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_CancelButton->setGeometry(pixelRect(4680, 600, 1215, 375));
    m_imgPreview = new QLabel(this);
    m_imgPreview->setGeometry(pixelRect(4680, 1080, 1215, 975));
    m_imgPreview->setScaledContents(true);
    m_imgPreview->setWordWrap(true);
    m_imgPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    setTabOrder(m_OKButton, m_CancelButton);
    setTabOrder(m_CancelButton, m_Dir1);
    setTabOrder(m_Dir1, m_File1);
    setTabOrder(m_File1, m_Drive1);
    setTabOrder(m_Drive1, m_txtFile);

    for (const std::string& drive : machineDrives())
        m_Drive1->addItem(QString::fromStdString(drive));
    openFolder(QDir::currentPath().toStdString());

    connect(m_Drive1, &QComboBox::currentIndexChanged, this, &OpenDg::Drive1_Change);
    connect(m_Dir1, &QListWidget::itemDoubleClicked, this, &OpenDg::enterFolderOf);
    connect(m_File1, &QListWidget::itemSelectionChanged, this, &OpenDg::File1_Click);
    connect(m_File1, &QListWidget::itemClicked, this, &OpenDg::File1_Click);
    connect(m_OKButton, &QPushButton::clicked, this, &OpenDg::OKButton_Click);
    connect(m_CancelButton, &QPushButton::clicked, this, &OpenDg::CancelButton_Click);
}

void OpenDg::openFolder(const std::string& folder)
{
    const std::string previous = m_folder;
    m_folder = QDir::cleanPath(QDir(QString::fromStdString(folder)).absolutePath()).toStdString();
    fillFolderList(previous);
    selectDriveOfFolder();
    Dir1_Change();
}

bool OpenDg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterFolderOf(m_Dir1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OpenDg::Drive1_Change()
{
    openFolder(m_Drive1->currentText().toStdString());
}

void OpenDg::Dir1_Change()
{
    m_File1->clear();
    for (const std::string& name : listPictureFiles(m_folder))
        m_File1->addItem(QString::fromStdString(name));
}

void OpenDg::File1_Click()
{
    const std::optional<std::string> path = takeSelectedFile();
    // A click on the entry just selected reports twice; the picture is read once.
    if (path && *path != m_previewedPath)
        showPreview(*path);
}

void OpenDg::OKButton_Click()
{
    m_chosenFile = takeSelectedFile();
    if (m_chosenFile)
        accept();
}

void OpenDg::CancelButton_Click()
{
    reject();
}

void OpenDg::enterFolderOf(const QListWidgetItem* item)
{
    if (item && item->data(kFolderRole).isValid())
        openFolder(item->data(kFolderRole).toString().toStdString());
}

void OpenDg::fillFolderList(const std::string& cameFrom)
{
    m_Dir1->clear();
    const QString folder = QString::fromStdString(m_folder);
    auto* heading = new QListWidgetItem(folder, m_Dir1);
    heading->setFlags(Qt::ItemIsEnabled);
    heading->setToolTip(folder);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_Dir1->setCurrentItem(heading);

    if (m_folder != "/") {
        auto* up = new QListWidgetItem(QStringLiteral(".."), m_Dir1);
        up->setData(kFolderRole, QString::fromStdString(parentFolder(m_folder)));
    }
    const bool cameUp = !cameFrom.empty() && cameFrom != m_folder && parentFolder(cameFrom) == m_folder;
    for (const std::string& name : listSubfolders(m_folder)) {
        auto* entry = new QListWidgetItem(QString::fromStdString(name), m_Dir1);
        const std::string path = chosenFilePath(m_folder, name);
        entry->setData(kFolderRole, QString::fromStdString(path));
        if (cameUp && path == cameFrom)
            m_Dir1->setCurrentItem(entry);
    }
}

void OpenDg::selectDriveOfFolder()
{
    std::vector<std::string> drives;
    for (int i = 0; i < m_Drive1->count(); ++i)
        drives.push_back(m_Drive1->itemText(i).toStdString());
    const QSignalBlocker quiet(m_Drive1);
    m_Drive1->setCurrentIndex(m_Drive1->findText(QString::fromStdString(driveHolding(drives, m_folder))));
}

std::optional<std::string> OpenDg::takeSelectedFile()
{
    const QList<QListWidgetItem*> selected = m_File1->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    m_txtFile->setText(selected.front()->text());
    return chosenFilePath(m_folder, m_txtFile->text().toStdString());
}

void OpenDg::showPreview(const std::string& path)
{
    m_previewedPath = path;
    const Result<Surface> picture = loadPicture(path);
    if (picture) {
        m_imgPreview->setPixmap(QPixmap::fromImage(toQImage(picture.value())));
        m_imgPreview->setToolTip(QString());
        return;
    }
    // The message names the full path, too long for the small box; the tooltip keeps it whole.
    const QString message = QString::fromStdString(picture.error());
    m_imgPreview->setText(QString(message).replace(QString::fromStdString(path), nameInFolder(path)));
    m_imgPreview->setToolTip(message);
}

std::optional<std::string> showOpenDg(QWidget* parent)
{
    OpenDg dialog(parent);
    dialog.exec();
    return dialog.chosenFile();
}
