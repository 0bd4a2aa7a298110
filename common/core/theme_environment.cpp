#include "theme_environment.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

std::string variable(const char* name)
{
    const QByteArray value = qgetenv(name);
    return std::string(value.constData(), static_cast<std::size_t>(value.size()));
}

}  // namespace

ThemeEnvironment processThemeEnvironment(const std::string& programFolder)
{
    return {programFolder, variable("HOME"), variable("XDG_DATA_HOME"), variable("XDG_DATA_DIRS")};
}
