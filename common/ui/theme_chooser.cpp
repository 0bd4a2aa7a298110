#include "theme_chooser.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "file_system.h"
#include "prompts.h"
#include "theme_import.h"
#include "theme_locations.h"
#include "theme_preview_pane.h"
#include "theme_replacement.h"

namespace {

// The folder's name as the file system's bytes: the shown text may not lead back to it.
constexpr int kFolderNameRole = Qt::UserRole;
// Wide enough for a thumbnail beside a name of some twenty letters.
constexpr int kListWidth = 380;

// A row shows its name, and under it the line its summary gives. The line is only drawn: type-ahead and every
// lookup by text see the name alone.
class ThemeRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString status = index.data(ThemeChooser::kStatusRole).toString();
        if (!status.isEmpty())
            option->text += QChar::LineSeparator + status;
    }
};

// What a row shows while its preview is made, or when there is no frame to show: a plain thumbnail, marked
// for a damaged theme.
QPixmap emptyThumbnail(const QWidget* list, bool damaged)
{
    QPixmap pixmap(kThumbnailWidth, kThumbnailHeight);
    pixmap.fill(list->palette().color(QPalette::Midlight));
    if (damaged) {
        QPainter painter(&pixmap);
        const QPixmap mark = list->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48);
        painter.drawPixmap((pixmap.width() - mark.width()) / 2, (pixmap.height() - mark.height()) / 2, mark);
    }
    return pixmap;
}

QString statusLine(const ThemeSummary& summary)
{
    const ThemePreview& preview = summary.preview;
    if (preview.damage)
        return QStringLiteral("Damaged: ") + QString::fromStdString(*preview.damage);
    const QString objects =
        preview.objectCount == 1 ? QStringLiteral("1 object") : QStringLiteral("%1 objects").arg(preview.objectCount);
    if (!summary.best)
        return objects + QStringLiteral(", no scores yet");
    return objects + QStringLiteral(", best %1 s").arg(shownTime(summary.best->time));
}

}  // namespace

ThemeChooser::ThemeChooser(ThemeLocations locations, const std::string& currentTheme, std::string previewCacheFolder,
                           Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_locations(std::move(locations)),
      m_previewCacheFolder(std::move(previewCacheFolder)),
      m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Choose a theme"));
    m_list = new QListWidget(this);
    m_pane = new ThemePreviewPane(this);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_addThemeButton = new QPushButton(QStringLiteral("&Add Theme…"), this);
    m_addThemeButton->setAutoDefault(false);
    layOut();

    connect(m_okButton, &QPushButton::clicked, this, &ThemeChooser::acceptChoice);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_addThemeButton, &QPushButton::clicked, this, &ThemeChooser::addTheme);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ThemeChooser::acceptChoice);
    // The pane follows the selection, not the current row: the list makes its first row current, unselected, when
    // it takes the focus with nothing current, and OK would not choose it.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ThemeChooser::showSelected);
    listThemes(currentTheme);
}

void ThemeChooser::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Previews are made for a chooser on the screen only, and begin once it is there, so that results coming
    // from a warm cache do not hold up its first showing.
    if (m_shown)
        return;
    m_shown = true;
    if (selectedRow() >= 0)
        m_loader->loadPicture(selectedRow());
    m_loader->loadSummaries();
}

void ThemeChooser::listThemes(const std::string& selectedTheme)
{
    // The previews still coming are of the list as it was.
    delete m_loader;
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_summaries.clear();
    m_summariesShown = 0;
    m_pictureRow = -1;
    const std::vector<ThemeEntry> themes = m_locations.listThemes();
    const int selectedRow = fillList(themes, selectedTheme);
    m_summaries.resize(themes.size());
    m_loader = new PreviewLoader(m_locations, themes, m_previewCacheFolder, this);
    connect(m_loader, &PreviewLoader::summaryReady, this, &ThemeChooser::showSummary);
    connect(m_loader, &PreviewLoader::pictureReady, this, &ThemeChooser::showPicture);
    if (selectedRow >= 0) {
        m_list->setCurrentRow(selectedRow);
        m_list->scrollToItem(m_list->item(selectedRow), QAbstractItemView::PositionAtCenter);
    }
    // On the screen already, the selected theme's picture is asked for as it is shown.
    showSelected();
    if (m_shown)
        m_loader->loadSummaries();
}

void ThemeChooser::addTheme()
{
    const std::optional<std::string> picked =
        m_prompts.pickFile({FileDialogKind::Open, "Add Theme", kSharedThemeFilter, {}});
    if (!picked)
        return;
    const Result<ThemeAddition> addition =
        ::addTheme(sharedThemeSource(*picked), m_locations, [this](const std::string& name, bool) {
            const std::optional<std::string> question = replaceQuestion(m_locations, name);
            return !question || m_prompts.ask("Add Theme", *question, MessageIcon::Exclamation,
                                              QuestionButtons::YesNo) == Answer::Yes;
        });
    if (!addition) {
        m_prompts.message("Add Theme", "The theme was not added:\r\n" + addition.error(), MessageIcon::Exclamation);
        return;
    }
    if (!addition.value().added)
        return;
    listThemes(addition.value().name);
    m_list->setFocus();
}

void ThemeChooser::layOut()
{
    m_list->setIconSize(QSize(kThumbnailWidth, kThumbnailHeight));
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new ThemeRowDelegate(m_list));
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setFixedWidth(kListWidth);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    buttons->addWidget(m_addThemeButton);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_pane);
    layout->addLayout(buttons);
    setTabOrder(m_list, m_cancelButton);
    setTabOrder(m_cancelButton, m_okButton);
    setTabOrder(m_okButton, m_addThemeButton);
    m_list->setFocus();
}

int ThemeChooser::fillList(const std::vector<ThemeEntry>& themes, const std::string& currentTheme)
{
    const QIcon waiting(emptyThumbnail(m_list, false));
    int currentRow = -1;
    for (const ThemeEntry& theme : themes) {
        auto* entry = new QListWidgetItem(waiting, displayName(theme.name), m_list);
        entry->setData(kFolderNameRole, QByteArray::fromStdString(theme.name));
        if (theme.name == currentTheme)
            currentRow = m_list->count() - 1;
    }
    return currentRow;
}

const ThemeSummary* ThemeChooser::summary(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_summaries.size()) || !m_summaries[row])
        return nullptr;
    return &*m_summaries[row];
}

int ThemeChooser::selectedRow() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.front());
}

void ThemeChooser::acceptChoice()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    m_chosen = selected.front()->data(kFolderNameRole).toByteArray().toStdString();
    accept();
}

void ThemeChooser::showSummary(int row, const ThemeSummary& summary)
{
    QListWidgetItem* entry = m_list->item(row);
    if (!entry || m_summaries[row])
        return;
    m_summaries[row] = summary;
    const ThemePreview& preview = summary.preview;
    entry->setIcon(preview.thumbnail.isNull() ? QIcon(emptyThumbnail(m_list, preview.damage.has_value()))
                                              : QIcon(QPixmap::fromImage(preview.thumbnail)));
    entry->setData(kStatusRole, statusLine(summary));
    entry->setToolTip(preview.damage ? QString::fromStdString(*preview.damage) : QString());
    if (row == selectedRow()) {
        m_pane->showTheme(entry->text(), &*m_summaries[row]);
        if (m_pictureRow != row)
            showStandInPicture(row);
    }
    if (++m_summariesShown == static_cast<int>(m_summaries.size()))
        emit allSummariesShown();
}

void ThemeChooser::showPicture(int row, const QImage& picture)
{
    if (row != selectedRow())
        return;
    m_pane->showPicture(picture);
    m_pictureRow = row;
    emit pictureShown(row);
}

void ThemeChooser::showSelected()
{
    const int row = selectedRow();
    m_pictureRow = -1;
    if (row < 0) {
        m_pane->showNothing();
        return;
    }
    m_pane->showTheme(m_list->item(row)->text(), summary(row));
    showStandInPicture(row);
    if (m_shown)
        m_loader->loadPicture(row);
}

void ThemeChooser::showStandInPicture(int row)
{
    const ThemeSummary* shown = summary(row);
    if (!shown || shown->preview.thumbnail.isNull()) {
        m_pane->showPicture(QImage());
        return;
    }
    m_pane->showPicture(shown->preview.thumbnail.scaled(kPreviewPictureWidth, kPreviewPictureHeight,
                                                        Qt::KeepAspectRatio, Qt::FastTransformation));
}
