#include "qt_prompts.h"

#include <QInputDialog>
#include <QMessageBox>

#include "preview_cache.h"
#include "theme_chooser.h"
#include "theme_locations.h"

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
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::string QtPrompts::input(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, windowTitle(title), displayText(prompt), QLineEdit::Normal,
                                               QString::fromStdString(defaultText), &accepted);
    return accepted ? text.toStdString() : std::string();
}

std::optional<std::string> QtPrompts::chooseTheme(const std::string& programFolder, const std::string& currentTheme)
{
    return chooseThemeAmong(ThemeLocations::portable(programFolder), currentTheme);
}

std::optional<std::string> QtPrompts::chooseThemeAmong(const ThemeLocations& locations, const std::string& currentTheme)
{
    ThemeChooser dialog(locations, currentTheme, processPreviewCacheFolder(), m_parent);
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

std::optional<ThemeDescription> QtPrompts::describeTheme()
{
    if (!m_dialogs.describeTheme)
        return std::nullopt;
    return m_dialogs.describeTheme(m_parent, *this);
}
