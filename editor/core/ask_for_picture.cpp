#include "ask_for_picture.h"

#include "picture_file.h"
#include "prompts.h"

std::optional<Surface> askForPicture(Prompts& prompts)
{
    const std::optional<std::string> chosenFile = prompts.openPicture();
    if (!chosenFile)
        return std::nullopt;
    Result<Surface> picture = loadPicture(*chosenFile);
    if (!picture) {
        prompts.message("Picture not loaded", picture.error() + "\r\nNothing was changed.", MessageIcon::Exclamation);
        return std::nullopt;
    }
    return std::move(picture.value());
}
