#include "frm_choose_theme.h"

#include <QListWidget>
#include <QPushButton>

#include "theme_folders.h"

namespace {

// The dialog's design, in pixels.
constexpr int kClientWidth = 290;
constexpr int kClientHeight = 157;
constexpr int kButtonLeft = 200;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;

}  // namespace

FrmChooseTheme::FrmChooseTheme(const std::string& programFolder, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Choose a theme"));
    setFixedSize(kClientWidth, kClientHeight);

    m_List1 = new QListWidget(this);
    m_List1->setGeometry(8, 8, 185, 134);
    for (const std::string& name : listThemeFolders(programFolder))
        m_List1->addItem(QString::fromStdString(name));
    m_List1->setCurrentRow(-1);

    m_OKButton = new QPushButton(QStringLiteral("OK"), this);
    m_OKButton->setGeometry(kButtonLeft, 8, kButtonWidth, kButtonHeight);
    m_OKButton->setDefault(true);
    m_CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_CancelButton->setGeometry(kButtonLeft, 40, kButtonWidth, kButtonHeight);
    setTabOrder(m_List1, m_CancelButton);
    setTabOrder(m_CancelButton, m_OKButton);

    connect(m_OKButton, &QPushButton::clicked, this, &FrmChooseTheme::OKButton_Click);
    connect(m_CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_List1, &QListWidget::itemDoubleClicked, this, &FrmChooseTheme::OKButton_Click);
}

void FrmChooseTheme::OKButton_Click()
{
    const QList<QListWidgetItem*> selected = m_List1->selectedItems();
    if (selected.isEmpty())
        return;
    m_chosen = selected.front()->text().toStdString();
    accept();
}
