#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

struct ThemeEntry;

class QListWidget;
class QPushButton;

// The theme chooser: the folders beside the program, or the themes found in several folders, one of which OK
// makes the current theme.
class ThemeChooser : public QDialog {
    Q_OBJECT
public:
    ThemeChooser(const std::string& programFolder, QWidget* parent = nullptr);
    ThemeChooser(const std::vector<ThemeEntry>& themes, QWidget* parent = nullptr);

    // The picked name after OK; nothing after Cancel.
    const std::optional<std::string>& chosenTheme() const { return m_chosen; }

    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

private:
    explicit ThemeChooser(const std::vector<std::string>& names, QWidget* parent);
    void acceptChoice();

    QListWidget* m_list;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    std::optional<std::string> m_chosen;
};
