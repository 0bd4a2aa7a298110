#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "clock.h"
#include "prompts.h"
#include "pump.h"
#include "sound_player.h"

// A clock that moves only when a test moves it.
class FakeClock : public Clock {
public:
    std::int64_t nowMs() override { return m_now; }
    void advance(std::int64_t ms) { m_now += ms; }

private:
    std::int64_t m_now = 1000;
};

// Remembers every sound asked for, in order.
class RecordingSound : public SoundPlayer {
public:
    void PlayWav(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

// Records every message and answers input boxes from a list (empty when the list runs out).
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        std::string title;
        std::string text;
        MessageIcon icon;
    };

    void message(const std::string& title, const std::string& text, MessageIcon icon) override
    {
        messages.push_back({title, text, icon});
    }

    std::string input(const std::string& prompt, const std::string& title, const std::string&) override
    {
        inputs.push_back(title + ": " + prompt);
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> chooseTheme(const std::string& programFolder) override
    {
        chooserFolders.push_back(programFolder);
        return chosenTheme;
    }

    void showAbout() override { ++aboutShown; }

    std::optional<ThemeDescription> describeTheme() override
    {
        if (descriptions.empty())
            return std::nullopt;
        std::optional<ThemeDescription> description = descriptions.front();
        descriptions.pop_front();
        return description;
    }

    std::optional<std::string> openPicture() override
    {
        if (pictures.empty())
            return std::nullopt;
        std::optional<std::string> picture = pictures.front();
        pictures.pop_front();
        return picture;
    }

    std::vector<Message> messages;
    std::vector<std::string> inputs;
    std::deque<std::string> answers;
    std::vector<std::string> chooserFolders;
    std::optional<std::string> chosenTheme;
    int aboutShown = 0;
    // The answers of the picture-open dialog, in order: a path, or nothing for Cancel.
    std::deque<std::optional<std::string>> pictures;
    // The answers of the theme description dialog, in order: the entries, or nothing for Cancel.
    std::deque<std::optional<ThemeDescription>> descriptions;
};

// Each call runs the next scripted step; with none left it runs `whenIdle`, if set.
class ScriptedPump : public Pump {
public:
    void processPendingEvents() override
    {
        ++calls;
        if (!steps.empty()) {
            std::function<void()> step = std::move(steps.front());
            steps.pop_front();
            step();
        } else if (whenIdle) {
            whenIdle();
        }
    }

    std::deque<std::function<void()>> steps;
    std::function<void()> whenIdle;
    int calls = 0;
};
