#pragma once

#include <QString>
#include <functional>

#include "prompts.h"

class QWidget;

// Real message boxes, input boxes and dialogs, modal over the given window. The About window belongs to each
// program, which hands over how to show it.
class QtPrompts : public Prompts {
public:
    QtPrompts(QWidget* parent, std::string programTitle, std::function<void(QWidget*)> showAboutWindow);

    void message(const std::string& title, const std::string& text, MessageIcon icon) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> chooseTheme(const std::string& programFolder) override;
    void showAbout() override;

private:
    QString windowTitle(const std::string& title) const;

    QWidget* m_parent;
    std::string m_programTitle;
    std::function<void(QWidget*)> m_showAboutWindow;
};

// The texts of the rules end their lines with CR LF; a Qt label wants plain line feeds.
QString displayText(const std::string& text);
