#include "theme_description_rules.h"

#include "prompts.h"
#include "theme_name_rules.h"

std::optional<std::string> themeDescriptionProblem(const ThemeDescription& description)
{
    if (std::optional<std::string> problem = themeNameProblem(description.name))
        return problem;
    if (description.description.find('"') != std::string::npos || description.dateLine.find('"') != std::string::npos)
        return std::string("The description and the date line cannot hold a double quote (\"); use ' instead.");
    return std::nullopt;
}
