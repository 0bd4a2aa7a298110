#pragma once

#include <QDialog>
#include <optional>

#include "prompts.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The theme description dialog "About Theme": the theme's name, a free description and a date line, asked at
// every save. It opens with the texts it is offered (the theme's own, once it was loaded or saved), otherwise with
// its initial texts. OK refuses entries that cannot be saved with a message and stays open; Cancel, Esc and the
// window's close button all cancel.
class ThemeDescriptionDialog : public QDialog {
    Q_OBJECT
public:
    // `prompts` shows the messages of a refused OK; `today` is the current date in the user's short format. An
    // empty date line offered opens as the initial one, dated today: a theme cannot be saved without one.
    ThemeDescriptionDialog(Prompts& prompts, const QString& today, const std::optional<ThemeDescription>& offered = {},
                           QWidget* parent = nullptr);

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

// Shows the dialog modally over `parent`, dated today and opened on `offered`: the entries on OK, nothing when
// cancelled.
std::optional<ThemeDescription> showThemeDescriptionDialog(QWidget* parent, Prompts& prompts,
                                                           const std::optional<ThemeDescription>& offered);
