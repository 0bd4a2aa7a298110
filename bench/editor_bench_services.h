#pragma once

#include <QRegion>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor_view.h"
#include "game_launcher.h"
#include "prompts.h"

// The services an editor gets while it is measured: nobody is there to see it, answer it or play its themes.

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

// Shows nothing; keeps what the last frame changed.
class BlindView : public EditorView {
public:
    void setCanvasSize(int, int) override {}
    void setClientSize(int, int) override {}
    void growClientSize(int, int) override {}
    void present(const Surface&, const QRegion& changed) override { lastChanged = changed; }
    void showObjectList() override {}
    void showRowLabels(int) override {}
    void showCurrentObject() override {}
    void showBoxCheck(bool) override {}
    void showHistory(const std::optional<std::string>&, const std::optional<std::string>&, bool) override {}
    void closeWindow() override {}
    double twipsPerPixelY() override { return 15.0; }

    QRegion lastChanged;
};

// No game is started during a measurement.
class NoGame : public GameLauncher {
public:
    std::optional<std::string> launch(const std::vector<std::string>&, std::function<void()>) override
    {
        return "no game during a measurement";
    }
    void stop() override {}
};
