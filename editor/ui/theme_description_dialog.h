#pragma once

#include <QDialog>
#include <optional>

#include "prompts.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The theme description dialog "About Theme": the theme's name, a free description and a date line, asked at
// every save. It always opens with its initial texts, never with the entries of an earlier save. OK refuses
// entries that cannot be saved with a message and stays open; Cancel, Esc and the window's close button all
// cancel.
class ThemeDescriptionDialog : public QDialog {
    Q_OBJECT
public:
    // `prompts` shows the messages of a refused OK; `today` is the current date in the user's short format.
    ThemeDescriptionDialog(Prompts& prompts, const QString& today, QWidget* parent = nullptr);

    // The entries after OK; nothing before that or after a cancel.
    const std::optional<ThemeDescription>& result() const { return m_result; }

    QLineEdit* nameEdit() const { return m_nameEdit; }
    QPlainTextEdit* descriptionEdit() const { return m_descriptionEdit; }
    QLineEdit* dateLineEdit() const { return m_dateLineEdit; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

private:
    void acceptEntries();
    void limitDescriptionLength();
    ThemeDescription entries() const;

    Prompts& m_prompts;
    QLabel* m_nameCaption;
    QLineEdit* m_nameEdit;
    QPlainTextEdit* m_descriptionEdit;
    QLineEdit* m_dateLineEdit;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    std::optional<ThemeDescription> m_result;
};

// Shows the dialog modally over `parent`, dated today: the entries on OK, nothing when cancelled.
std::optional<ThemeDescription> showThemeDescriptionDialog(QWidget* parent, Prompts& prompts);
