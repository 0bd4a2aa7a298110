#include "theme_name_rules.h"

namespace {

// The longest name a folder may have on the file systems themes live on, in bytes of its UTF-8.
constexpr std::size_t kMaxFolderNameBytes = 255;

bool isControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::optional<std::string> themeNameProblem(const std::string& name)
{
    if (name.empty())
        return std::string("The theme needs a name: it becomes the name of the theme's folder.");
    if (name == "." || name == "..")
        return "\"" + name + "\" cannot be the name of a theme's folder.";
    if (name.size() > kMaxFolderNameBytes)
        return "A theme's name can be at most " + std::to_string(kMaxFolderNameBytes) +
               " bytes long, as a folder's name; this one has " + std::to_string(name.size()) + ".";
    if (name.back() == ' ' || name.back() == '.')
        return std::string("A theme's name cannot end in a blank or a dot.");
    for (const char c : name) {
        if (isControl(static_cast<unsigned char>(c)))
            return std::string("A theme's name cannot hold a line break, a tab or another control character.");
        if (std::string("<>:\"/\\|?*").find(c) != std::string::npos)
            return std::string("A theme's name cannot hold any of < > : \" / \\ | ? *");
    }
    return std::nullopt;
}
