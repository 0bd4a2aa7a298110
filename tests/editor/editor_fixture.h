#pragma once

#include <gtest/gtest.h>

#include <QRegion>
#include <QTemporaryDir>

#include "editor.h"
#include "editor_view.h"
#include "fake_services.h"
#include "game_launcher.h"
#include "theme_builder.h"

// Keeps what the editor last asked the window to show.
class RecordingEditorView : public EditorView {
public:
    void setCanvasSize(int width, int height) override { canvasSize = {width, height}; }
    void setClientSize(int width, int height) override { clientSize = {width, height}; }
    void growClientSize(int width, int height) override
    {
        clientSize = {std::max(width, clientSize.first), std::max(height, clientSize.second)};
    }
    // Like the canvas, keeps what it showed and takes from the frame only the part that changed.
    void present(const Surface& frame, const QRegion& changed) override
    {
        if (shown.width() != frame.width() || shown.height() != frame.height())
            shown.resize(frame.width(), frame.height());
        for (const QRect& rect : changed)
            blit(shown, rect.x(), rect.y(), rect.width(), rect.height(), frame, rect.x(), rect.y(), RasterOp::SrcCopy);
        lastChanged = changed;
        ++presents;
    }
    void showObjectList() override {}
    void showRowLabels(int) override {}
    void showCurrentObject() override {}
    void showBoxCheck(bool) override {}
    void showHistory(const std::optional<std::string>& undoStep, const std::optional<std::string>& redoStep,
                     bool unsavedChanges) override
    {
        undoCaption = undoStep.value_or("");
        redoCaption = redoStep.value_or("");
        modified = unsavedChanges;
    }
    void closeWindow() override { ++closes; }
    double twipsPerPixelY() override { return 15.0; }

    std::string undoCaption, redoCaption;
    bool modified = false;
    int closes = 0;
    std::pair<int, int> canvasSize{0, 0};
    std::pair<int, int> clientSize{0, 0};
    Surface shown;
    QRegion lastChanged;
    int presents = 0;
};

// Records the games Play Theme starts, each with its arguments; a test ends the game as a player closing it would.
class RecordingGameLauncher : public GameLauncher {
public:
    std::optional<std::string> launch(const std::vector<std::string>& arguments, std::function<void()> ended) override
    {
        launched.push_back(arguments);
        if (refusal)
            return refusal;
        m_ended = std::move(ended);
        return std::nullopt;
    }
    void stop() override { m_ended = nullptr; }

    bool running() const { return m_ended != nullptr; }
    void endGame()
    {
        if (std::function<void()> ended = std::exchange(m_ended, nullptr))
            ended();
    }

    std::vector<std::vector<std::string>> launched;
    // Why the next launches fail; nothing: they start.
    std::optional<std::string> refusal;

private:
    std::function<void()> m_ended;
};

// A row theme whose object pictures stand on white, as the editor expects of a picture: their masks derived
// from the corner colour are solid inside a one-pixel white frame.
inline ThemePackage framedRowTheme(int count)
{
    ThemePackage package = makeRowTheme(count);
    for (ThemeObject& object : package.objects)
        for (int y = 0; y < object.picture.height(); ++y)
            for (int x = 0; x < object.picture.width(); ++x)
                if (x == 0 || y == 0 || x == object.picture.width() - 1 || y == object.picture.height() - 1)
                    object.picture.setPixel(x, y, kWhite);
    return package;
}

// A program folder in a temporary directory and an editor over it with fake services.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() : editor(programFolder(), {prompts, pump, view, game}) {}

    std::string programFolder() const { return m_folder.path().toStdString(); }

    // `theme` as Theme1, and a start-up on it that reports nothing.
    void startUpOnTheme1(const ThemePackage& theme = framedRowTheme(3))
    {
        writeTheme(programFolder(), "Theme1", theme);
        editor.start();
        ASSERT_TRUE(prompts.messages.empty()) << prompts.messages.front().text;
    }

    const Workspace& ws() const { return editor.workspace(); }

    QTemporaryDir m_folder;
    ScriptedPrompts prompts;
    ScriptedPump pump;
    RecordingEditorView view;
    RecordingGameLauncher game;
    Editor editor;
};
