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
class FrmSave : public QDialog {
    Q_OBJECT
public:
    // `prompts` shows the messages of a refused OK; `today` is the current date in the user's short format.
    FrmSave(Prompts& prompts, const QString& today, QWidget* parent = nullptr);

    // The entries after OK; nothing before that or after a cancel.
    const std::optional<ThemeDescription>& result() const { return m_result; }

    QLineEdit* text3() const { return m_Text3; }
    QPlainTextEdit* text1() const { return m_Text1; }
    QLineEdit* text2() const { return m_Text2; }
    QPushButton* okButton() const { return m_OKButton; }
    QPushButton* cancelButton() const { return m_CancelButton; }

private:
    void OKButton_Click();
    void Text1_Change();
    ThemeDescription entries() const;

    Prompts& m_prompts;
    QLabel* m_Label1;
    QLineEdit* m_Text3;
    QPlainTextEdit* m_Text1;
    QLineEdit* m_Text2;
    QPushButton* m_OKButton;
    QPushButton* m_CancelButton;
    std::optional<ThemeDescription> m_result;
};

// Shows the dialog modally over `parent`, dated today: the entries on OK, nothing when cancelled.
std::optional<ThemeDescription> showFrmSave(QWidget* parent, Prompts& prompts);
