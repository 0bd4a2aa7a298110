#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QListWidget;
class QPushButton;

// The theme chooser: the folders beside the program, one of which OK makes the current theme.
class FrmChooseTheme : public QDialog {
    Q_OBJECT
public:
    FrmChooseTheme(const std::string& programFolder, QWidget* parent = nullptr);

    // The picked name after OK; nothing after Cancel.
    const std::optional<std::string>& chosenTheme() const { return m_chosen; }

    QListWidget* list() const { return m_List1; }
    QPushButton* okButton() const { return m_OKButton; }
    QPushButton* cancelButton() const { return m_CancelButton; }

private:
    void OKButton_Click();

    QListWidget* m_List1;
    QPushButton* m_OKButton;
    QPushButton* m_CancelButton;
    std::optional<std::string> m_chosen;
};
