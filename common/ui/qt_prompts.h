#pragma once

#include <QString>
#include <functional>

#include "prompts.h"

class QMessageBox;
class QWidget;

// The modal windows that belong to one program, each shown over the given parent. A program leaves out
// those it does not have: asking for one of them shows nothing and answers as a cancel.
struct ProgramDialogs {
    std::function<void(QWidget*)> about;
    std::function<std::optional<std::string>(QWidget*)> openPicture;
    // Gets the prompts too, for the messages it shows while it is open, and the texts it opens on.
    std::function<std::optional<ThemeDescription>(QWidget*, Prompts&, const std::optional<ThemeDescription>&)>
        describeTheme;
};

// Real message boxes, input boxes and dialogs, modal over the given window.
class QtPrompts : public Prompts {
public:
    QtPrompts(QWidget* parent, std::string programTitle, ProgramDialogs dialogs);

    void message(const std::string& title, const std::string& text, MessageIcon icon) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> chooseTheme(const std::string& programFolder, const std::string& currentTheme) override;
    std::optional<std::string> chooseThemeAmong(const ThemeLocations& locations,
                                                const std::string& currentTheme) override;
    void showAbout() override;
    std::optional<std::string> openPicture() override;
    std::optional<ThemeDescription> describeTheme(const std::optional<ThemeDescription>& offered) override;
    std::optional<std::string> pickFile(const FileRequest& request) override;
    Answer ask(const std::string& title, const std::string& text, MessageIcon icon, QuestionButtons buttons) override;
    // Shows every later box over `parent` instead: a dialog that asks while it is open.
    void showOver(QWidget* parent) { m_parent = parent; }

private:
    QString windowTitle(const std::string& title) const;
    // A box over the parent with the title, the text as it stands and the icon; the caller adds the buttons.
    void prepareBox(QMessageBox& box, const std::string& title, const std::string& text, MessageIcon icon) const;

    QWidget* m_parent;
    std::string m_programTitle;
    ProgramDialogs m_dialogs;
};

// The texts of the rules end their lines with CR LF; a Qt label wants plain line feeds.
QString displayText(const std::string& text);
