#include "theme_chooser.h"

#include <QListWidget>
#include <QPushButton>

#include "file_system.h"
#include "text_fit_layout.h"
#include "theme_folders.h"
#include "theme_locations.h"

namespace {

// The dialog's design, in pixels.
constexpr int kClientWidth = 290;
constexpr int kClientHeight = 157;
constexpr int kButtonLeft = 200;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;
// The folder's name as the file system's bytes: the shown text may not lead back to it.
constexpr int kFolderNameRole = Qt::UserRole;

}  // namespace

namespace {

std::vector<std::string> namesOf(const std::vector<ThemeEntry>& themes)
{
    std::vector<std::string> names;
    for (const ThemeEntry& theme : themes)
        names.push_back(theme.name);
    return names;
}

}  // namespace

ThemeChooser::ThemeChooser(const std::string& programFolder, QWidget* parent)
    : ThemeChooser(listThemeFolders(programFolder), parent)
{
}

ThemeChooser::ThemeChooser(const std::vector<ThemeEntry>& themes, QWidget* parent)
    : ThemeChooser(namesOf(themes), parent)
{
}

ThemeChooser::ThemeChooser(const std::vector<std::string>& names, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Choose a theme"));
    auto* layout = new TextFitLayout(this, QSize(kClientWidth, kClientHeight));

    m_list = new QListWidget(this);
    layout->place(m_list, QRect(8, 8, 185, 134));
    for (const std::string& name : names) {
        auto* entry = new QListWidgetItem(displayName(name), m_list);
        entry->setData(kFolderNameRole, QByteArray::fromStdString(name));
    }
    m_list->setCurrentRow(-1);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    layout->place(m_okButton, QRect(kButtonLeft, 8, kButtonWidth, kButtonHeight));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    layout->place(m_cancelButton, QRect(kButtonLeft, 40, kButtonWidth, kButtonHeight));
    setTabOrder(m_list, m_cancelButton);
    setTabOrder(m_cancelButton, m_okButton);

    connect(m_okButton, &QPushButton::clicked, this, &ThemeChooser::acceptChoice);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ThemeChooser::acceptChoice);
}

void ThemeChooser::acceptChoice()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    m_chosen = selected.front()->data(kFolderNameRole).toByteArray().toStdString();
    accept();
}
