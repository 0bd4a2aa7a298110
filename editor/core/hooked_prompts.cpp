#include "hooked_prompts.h"

HookedPrompts::HookedPrompts(Prompts& prompts, std::function<void()> beforeDialog)
    : m_prompts(prompts), m_beforeDialog(std::move(beforeDialog))
{
}

void HookedPrompts::message(const std::string& title, const std::string& text, MessageIcon icon)
{
    m_beforeDialog();
    m_prompts.message(title, text, icon);
}

std::string HookedPrompts::input(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    m_beforeDialog();
    return m_prompts.input(prompt, title, defaultText);
}

std::optional<std::string> HookedPrompts::chooseTheme(const std::string& programFolder, const std::string& currentTheme)
{
    m_beforeDialog();
    return m_prompts.chooseTheme(programFolder, currentTheme);
}

std::optional<std::string> HookedPrompts::chooseThemeAmong(const ThemeLocations& locations,
                                                           const std::string& currentTheme)
{
    m_beforeDialog();
    return m_prompts.chooseThemeAmong(locations, currentTheme);
}

std::optional<std::string> HookedPrompts::pickFile(const FileRequest& request)
{
    m_beforeDialog();
    return m_prompts.pickFile(request);
}

void HookedPrompts::showAbout()
{
    m_beforeDialog();
    m_prompts.showAbout();
}

std::optional<std::string> HookedPrompts::openPicture()
{
    m_beforeDialog();
    return m_prompts.openPicture();
}

std::optional<ThemeDescription> HookedPrompts::describeTheme(const std::optional<ThemeDescription>& offered)
{
    m_beforeDialog();
    return m_prompts.describeTheme(offered);
}

Answer HookedPrompts::ask(const std::string& title, const std::string& text, MessageIcon icon, QuestionButtons buttons)
{
    m_beforeDialog();
    return m_prompts.ask(title, text, icon, buttons);
}
