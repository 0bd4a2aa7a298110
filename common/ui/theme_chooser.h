#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QListWidget;
class QPushButton;

// The theme chooser: the folders beside the program, one of which OK makes the current theme.
class ThemeChooser : public QDialog {
    Q_OBJECT
public:
    ThemeChooser(const std::string& programFolder, QWidget* parent = nullptr);

    // The picked name after OK; nothing after Cancel.
    const std::optional<std::string>& chosenTheme() const { return m_chosen; }

    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

private:
    void acceptChoice();

    QListWidget* m_list;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    std::optional<std::string> m_chosen;
};
