#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Starts the game as a program of its own and tells when it has ended. The editor's window starts the real game
// from the editor's own program folder; tests record what would have run.
class GameLauncher {
public:
    virtual ~GameLauncher() = default;

    // Starts the game with these arguments; `ended` runs once it has ended, from the event loop, never from within
    // this call. Nothing when the game started, otherwise why not.
    virtual std::optional<std::string> launch(const std::vector<std::string>& arguments,
                                              std::function<void()> ended) = 0;
    // Ends the game launched, if it still runs, and waits until it has; `ended` does not run then.
    virtual void stop() = 0;
};
