#pragma once

#include <optional>
#include <string>

class ThemeLocations;

// What the theme description dialog hands back on OK: the theme's folder name, its description (which may hold
// line breaks, as CR LF) and its date line.
struct ThemeDescription {
    std::string name;
    std::string description;
    std::string dateLine;
};

// The icons a message box can carry.
enum class MessageIcon { None, Critical, Exclamation, Information };

// The buttons of a question box, and the answers they give. A box closed without a button (Esc, the window's close
// button) answers No, or Cancel.
enum class QuestionButtons { YesNo, SaveDiscardCancel };
enum class Answer { Yes, No, Save, Discard, Cancel };

// A standard file dialog: to pick a file to open, or the place of a file to write.
enum class FileDialogKind { Open, Save };
struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    // The kinds of file offered, as "Description (*.ext ...)".
    std::string filter;
    // Save: the name the dialog suggests, in the user's home folder.
    std::string suggestedName;
};

// Every message box and input box of the programs goes through this, so a test can answer them and never
// waits on a modal window. An empty title means the program's own title.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A modal message with an OK button.
    virtual void message(const std::string& title, const std::string& text, MessageIcon icon) = 0;

    // A modal input box; returns the text typed, or an empty text when cancelled.
    virtual std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) = 0;

    // The theme chooser over the folders of `programFolder`, starting on `currentTheme`: the picked folder's
    // name, or nothing when cancelled.
    virtual std::optional<std::string> chooseTheme(const std::string& programFolder,
                                                   const std::string& currentTheme) = 0;

    // The theme chooser over the themes `locations` find in several folders, listed by name and starting on
    // `currentTheme`: the picked theme's name, or nothing when cancelled.
    virtual std::optional<std::string> chooseThemeAmong(const ThemeLocations& locations,
                                                        const std::string& currentTheme) = 0;

    // The program's About window, modal.
    virtual void showAbout() = 0;

    // The picture-open dialog: the full path of the file the user chose, or nothing when cancelled.
    virtual std::optional<std::string> openPicture() = 0;

    // The theme description dialog, opened on the texts `offered`, or on its own initial texts when nothing is
    // offered: the user's entries on OK, nothing on Cancel or when closed otherwise.
    virtual std::optional<ThemeDescription> describeTheme(const std::optional<ThemeDescription>& offered) = 0;

    // A standard file dialog: the full path picked, as the file system's bytes, or nothing when cancelled. A save
    // dialog has asked before it names a file that exists.
    virtual std::optional<std::string> pickFile(const FileRequest& request) = 0;

    // A modal question with these buttons: the answer of the button pressed.
    virtual Answer ask(const std::string& title, const std::string& text, MessageIcon icon,
                       QuestionButtons buttons) = 0;
};
