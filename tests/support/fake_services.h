#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "clock.h"
#include "prompts.h"
#include "pump.h"
#include "sound_player.h"
#include "theme_locations.h"

// The front of a scripted queue, taken off it; an empty value once the queue has run out.
template <typename T>
T takeNext(std::deque<T>& queue)
{
    if (queue.empty())
        return T{};
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

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
    void play(const std::string& path) override { played.push_back(path); }
    void loadCues(const std::vector<std::string>& paths) override { loaded.push_back(paths); }
    std::vector<std::string> played;
    std::vector<std::vector<std::string>> loaded;
};

// Records every message and answers each dialog from its own list: a text, a path or the entries, and
// nothing (an empty text, Cancel) once that list has run out.
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        std::string title, text;
        MessageIcon icon;
    };

    void message(const std::string& title, const std::string& text, MessageIcon icon) override
    {
        messages.push_back({title, text, icon});
    }
    std::string input(const std::string& prompt, const std::string& title, const std::string&) override
    {
        inputs.push_back(title + ": " + prompt);
        return takeNext(answers);
    }
    std::optional<std::string> chooseTheme(const std::string& programFolder, const std::string& currentTheme) override
    {
        chooserFolders.push_back(programFolder);
        chooserStarts.push_back(currentTheme);
        if (whileChoosing)
            whileChoosing();
        return chosenTheme;
    }
    std::optional<std::string> chooseThemeAmong(const ThemeLocations& locations,
                                                const std::string& currentTheme) override
    {
        std::vector<std::string> names;
        for (const ThemeEntry& theme : locations.listThemes())
            names.push_back(theme.name);
        chooserLists.push_back(names);
        chooserStarts.push_back(currentTheme);
        return chosenTheme;
    }
    void showAbout() override { ++aboutShown; }
    std::optional<ThemeDescription> describeTheme(const std::optional<ThemeDescription>& offered) override
    {
        offeredDescriptions.push_back(offered);
        return takeNext(descriptions);
    }
    std::optional<std::string> openPicture() override { return takeNext(pictures); }
    std::optional<std::string> pickFile(const FileRequest& request) override
    {
        fileRequests.push_back(request);
        return takeNext(pickedFiles);
    }
    // With no answer left, the question is closed as Esc closes it.
    Answer ask(const std::string& title, const std::string& text, MessageIcon, QuestionButtons buttons) override
    {
        questions.push_back(title + ": " + text);
        if (questionAnswers.empty())
            return buttons == QuestionButtons::YesNo ? Answer::No : Answer::Cancel;
        return takeNext(questionAnswers);
    }

    std::vector<Message> messages;
    std::vector<std::string> inputs, chooserFolders;
    // The theme each chooser started on.
    std::vector<std::string> chooserStarts;
    // The names each chooser over several folders listed.
    std::vector<std::vector<std::string>> chooserLists;
    std::deque<std::string> answers;
    std::optional<std::string> chosenTheme;
    // What the user does while the chooser is open.
    std::function<void()> whileChoosing;
    int aboutShown = 0;
    std::deque<std::optional<std::string>> pictures;
    std::vector<FileRequest> fileRequests;
    std::deque<std::optional<std::string>> pickedFiles;
    std::deque<std::optional<ThemeDescription>> descriptions;
    // What each opening of the description dialog was offered.
    std::vector<std::optional<ThemeDescription>> offeredDescriptions;
    std::vector<std::string> questions;
    std::deque<Answer> questionAnswers;
};

// Each call runs the next scripted step; with none left it runs `whenIdle`, if set. A wait for events is one
// more call.
class ScriptedPump : public Pump {
public:
    void processPendingEvents() override
    {
        ++calls;
        maxDepth = std::max(maxDepth, ++depth);
        if (std::function<void()> step = takeNext(steps))
            step();
        else if (whenIdle)
            whenIdle();
        --depth;
    }
    void waitForEvents() override
    {
        ++waits;
        processPendingEvents();
    }

    std::deque<std::function<void()>> steps;
    std::function<void()> whenIdle;
    // How often the pump ran, and how deep its calls were nested in one another: now and at most; and how often
    // a loop waited for events instead.
    int calls = 0, depth = 0, maxDepth = 0, waits = 0;
};
