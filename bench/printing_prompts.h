#pragma once

#include <cstdio>
#include <deque>
#include <optional>
#include <string>

#include "prompts.h"

// The prompts of an editor under measurement: what it says goes to standard error under the program's name, every
// dialog is cancelled, nothing is ever saved, and the picture-open dialog answers with the pictures queued.
class PrintingPrompts : public Prompts {
public:
    explicit PrintingPrompts(std::string program) : m_program(std::move(program)) {}

    void message(const std::string& title, const std::string& text, MessageIcon) override
    {
        std::fprintf(stderr, "%s: the editor said \"%s: %s\"\n", m_program.c_str(), title.c_str(), text.c_str());
    }
    std::string input(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> chooseTheme(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseThemeAmong(const ThemeLocations&, const std::string&) override
    {
        return std::nullopt;
    }
    void showAbout() override {}
    std::optional<std::string> pickFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> openPicture() override
    {
        if (pictures.empty())
            return std::nullopt;
        std::string next = pictures.front();
        pictures.pop_front();
        return next;
    }
    std::optional<ThemeDescription> describeTheme(const std::optional<ThemeDescription>&) override
    {
        return std::nullopt;
    }
    Answer ask(const std::string&, const std::string&, MessageIcon, QuestionButtons buttons) override
    {
        return buttons == QuestionButtons::YesNo ? Answer::No : Answer::Discard;
    }

    std::deque<std::string> pictures;

private:
    std::string m_program;
};
