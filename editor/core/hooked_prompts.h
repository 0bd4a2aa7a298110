#pragma once

#include <functional>

#include "prompts.h"

// Prompts that run a step of the caller's before any dialog or message box opens, then show it through the
// prompts they wrap. A modal dialog takes the pointer away from the window, and the step lets the caller end
// what depended on the pointer first.
class HookedPrompts : public Prompts {
public:
    HookedPrompts(Prompts& prompts, std::function<void()> beforeDialog);

    void message(const std::string& title, const std::string& text, MessageIcon icon) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> chooseTheme(const std::string& programFolder, const std::string& currentTheme) override;
    std::optional<std::string> chooseThemeAmong(const ThemeLocations& locations,
                                                const std::string& currentTheme) override;
    void showAbout() override;
    std::optional<std::string> openPicture() override;
    std::optional<std::string> pickFile(const FileRequest& request) override;
    std::optional<ThemeDescription> describeTheme(const std::optional<ThemeDescription>& offered) override;
    Answer ask(const std::string& title, const std::string& text, MessageIcon icon, QuestionButtons buttons) override;

private:
    Prompts& m_prompts;
    std::function<void()> m_beforeDialog;
};
