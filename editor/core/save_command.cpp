#include "save_command.h"

#include "save_theme.h"
#include "theme_description_rules.h"
#include "theme_locations.h"
#include "theme_reader.h"
#include "theme_replacement.h"
#include "workspace.h"
#include "workspace_limits.h"

namespace {

// A failed save names this many files at most, so that its message fits on the screen.
constexpr std::size_t kMostFailuresNamed = 10;

// The description the user entered and confirmed, or nothing when the save ends before anything is written.
std::optional<ThemeDescription> askForDescription(const Workspace& workspace, const ThemeLocations& themes,
                                                  Prompts& prompts)
{
    std::optional<ThemeDescription> offered = workspace.themeDescription;
    for (;;) {
        const std::optional<ThemeDescription> entered = prompts.describeTheme(offered);
        if (!entered || entered->dateLine.empty()) {
            prompts.message("", "Save aborted", MessageIcon::None);
            return std::nullopt;
        }
        // The dialog refuses such entries already; nothing may reach the disk that would write outside the
        // program folder or corrupt a record, whoever answered the dialog.
        if (const std::optional<std::string> problem = themeDescriptionProblem(*entered)) {
            prompts.message("Theme not saved", *problem + "\r\nNothing was written.", MessageIcon::Exclamation);
            return std::nullopt;
        }
        const std::optional<std::string> question = replaceQuestion(themes, entered->name);
        if (!question || prompts.ask("", *question, MessageIcon::Exclamation, QuestionButtons::YesNo) == Answer::Yes)
            return entered;
        offered = entered;
    }
}

void reportFailures(const std::string& name, const std::vector<std::string>& failures, Prompts& prompts)
{
    std::string text = "The theme \"" + name + "\" was not saved completely. These files could not be written:";
    for (std::size_t i = 0; i < failures.size() && i < kMostFailuresNamed; ++i)
        text += "\r\n" + failures[i];
    if (failures.size() > kMostFailuresNamed)
        text += "\r\nand " + std::to_string(failures.size() - kMostFailuresNamed) + " more.";
    prompts.message("Theme not saved completely", text, MessageIcon::Exclamation);
}

}  // namespace

bool refusedByLimits(const Workspace& workspace, Prompts& prompts, const std::string& title, const std::string& done)
{
    const std::optional<std::string> problem = themePicturesLimitProblem(pictureSizesOf(workspace).all());
    if (!problem)
        return false;
    prompts.message(title,
                    "The theme cannot be " + done + ": " + *problem +
                        ", and neither program could load it.\r\nNothing was written.",
                    MessageIcon::Exclamation);
    return true;
}

SaveOutcome saveThemeAsking(const Workspace& workspace, const ThemeLocations& themes, Prompts& prompts)
{
    if (refusedByLimits(workspace, prompts, "Theme not saved", "saved"))
        return {};
    const std::optional<ThemeDescription> description = askForDescription(workspace, themes, prompts);
    if (!description)
        return {};
    const std::string folder = themeFolder(themes.userThemeFolder(), description->name);
    if (const std::optional<std::string> problem = setAsideOutdatedScores(folder, packageOf(workspace, *description))) {
        prompts.message("Theme not saved",
                        "The theme \"" + description->name +
                            "\" replaces one whose score table was made on other objects, and that table could not "
                            "be kept aside:\r\n" +
                            *problem + "\r\nNothing was written.",
                        MessageIcon::Exclamation);
        return {};
    }
    const std::vector<std::string> failures = saveTheme(themes.userThemeFolder(), workspace, *description);
    if (!failures.empty())
        reportFailures(description->name, failures, prompts);
    return {description, failures.empty()};
}
