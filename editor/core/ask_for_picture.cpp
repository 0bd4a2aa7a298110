#include "ask_for_picture.h"

#include "picture_file.h"
#include "picture_size.h"
#include "prompts.h"

std::optional<Surface> askForPicture(Prompts& prompts, const PictureFit& fit)
{
    const std::optional<std::string> chosenFile = prompts.openPicture();
    if (!chosenFile)
        return std::nullopt;
    const auto refused = [&](const PictureSize& size) {
        const std::optional<std::string> problem = fit(size);
        if (problem)
            prompts.message("Picture not used",
                            "The picture \"" + *chosenFile + "\" cannot be used: " + *problem +
                                ", and neither program could load the theme.\r\nNothing was changed.",
                            MessageIcon::Exclamation);
        return problem.has_value();
    };
    // The size its header gives is tried first, so that a picture too large is refused before it is decoded.
    if (const std::optional<PictureSize> announced = pictureSizeOfFile(*chosenFile); announced && refused(*announced))
        return std::nullopt;
    Result<Surface> picture = loadPicture(*chosenFile);
    if (!picture) {
        prompts.message("Picture not loaded", picture.error() + "\r\nNothing was changed.", MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (refused({picture.value().width(), picture.value().height()}))
        return std::nullopt;
    return std::move(picture.value());
}
