#include "qt_prompts.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "preview_cache.h"
#include "theme_chooser.h"
#include "theme_locations.h"

namespace {

// The longest entry an input box takes. The programs ask only for a player's name, which the high-score panel
// shows whole.
constexpr int kLongestInput = 30;

}  // namespace

QtPrompts::QtPrompts(QWidget* parent, std::string programTitle, ProgramDialogs dialogs)
    : m_parent(parent), m_programTitle(std::move(programTitle)), m_dialogs(std::move(dialogs))
{
}

QString displayText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QString QtPrompts::windowTitle(const std::string& title) const
{
    return QString::fromStdString(title.empty() ? m_programTitle : title);
}

void QtPrompts::message(const std::string& title, const std::string& text, MessageIcon icon)
{
    QMessageBox box(m_parent);
    prepareBox(box, title, text, icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::optional<std::string> QtPrompts::pickFile(const FileRequest& request)
{
    QFileDialog dialog(m_parent, windowTitle(request.title), QDir::homePath(), QString::fromStdString(request.filter));
    if (request.kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const QString suggested = QString::fromStdString(request.suggestedName);
        dialog.selectFile(QDir::home().filePath(suggested));
        // A name typed without the suggested name's suffix gets it.
        dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

Answer QtPrompts::ask(const std::string& title, const std::string& text, MessageIcon icon, QuestionButtons buttons)
{
    QMessageBox box(m_parent);
    prepareBox(box, title, text, icon);
    if (buttons == QuestionButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    // Some desktops caption Discard "Close without Saving", which reads wrong where nothing closes (New, Load).
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
    }
}

void QtPrompts::prepareBox(QMessageBox& box, const std::string& title, const std::string& text, MessageIcon icon) const
{
    box.setWindowTitle(windowTitle(title));
    // Messages carry names of files and texts from themes: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    switch (icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
}

std::string QtPrompts::input(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    QInputDialog box(m_parent);
    box.setWindowTitle(windowTitle(title));
    box.setLabelText(displayText(prompt));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QString::fromStdString(defaultText));
    if (auto* entry = box.findChild<QLineEdit*>())
        entry->setMaxLength(kLongestInput);
    return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : std::string();
}

std::optional<std::string> QtPrompts::chooseTheme(const std::string& programFolder, const std::string& currentTheme)
{
    return chooseThemeAmong(ThemeLocations::portable(programFolder), currentTheme);
}

std::optional<std::string> QtPrompts::chooseThemeAmong(const ThemeLocations& locations, const std::string& currentTheme)
{
    QtPrompts overChooser(*this);
    ThemeChooser dialog(locations, currentTheme, processPreviewCacheFolder(), overChooser, m_parent);
    overChooser.showOver(&dialog);
    dialog.exec();
    return dialog.chosenTheme();
}

void QtPrompts::showAbout()
{
    if (m_dialogs.about)
        m_dialogs.about(m_parent);
}

std::optional<std::string> QtPrompts::openPicture()
{
    if (!m_dialogs.openPicture)
        return std::nullopt;
    return m_dialogs.openPicture(m_parent);
}

std::optional<ThemeDescription> QtPrompts::describeTheme(const std::optional<ThemeDescription>& offered)
{
    if (!m_dialogs.describeTheme)
        return std::nullopt;
    return m_dialogs.describeTheme(m_parent, *this, offered);
}
