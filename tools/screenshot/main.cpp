// chooser_screenshot: the README's picture of the theme chooser, drawn offscreen by the chooser's own code from
// the shipped themes, once every preview is in. Run by the target readme_screenshot.
// Usage: chooser_screenshot THEMES_FOLDER OUTPUT_PNG

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <iostream>

#include "qt_prompts.h"
#include "theme_chooser.h"
#include "theme_files.h"
#include "theme_locations.h"

namespace {

// Making the previews of the shipped themes takes a fraction of this.
constexpr int kPreviewsTimeoutMs = 60000;

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: chooser_screenshot THEMES_FOLDER OUTPUT_PNG\n";
        return 2;
    }
    // The picture is the same on any desktop, whatever its windows look like.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir cache;
    QtPrompts prompts(nullptr, "Vantor", {});
    ThemeChooser chooser(ThemeLocations::portable(argv[1]), ThemeFiles::kDefaultTheme, cache.path().toStdString(),
                         prompts);
    bool summaries = false;
    bool picture = false;
    QEventLoop waiting;
    const auto check = [&] {
        if (summaries && picture)
            waiting.quit();
    };
    QObject::connect(&chooser, &ThemeChooser::allSummariesShown, [&] { summaries = true, check(); });
    QObject::connect(&chooser, &ThemeChooser::pictureShown, [&] { picture = true, check(); });
    QTimer::singleShot(kPreviewsTimeoutMs, &waiting, &QEventLoop::quit);
    chooser.show();
    waiting.exec();
    if (!summaries || !picture) {
        std::cerr << "chooser_screenshot: the previews of " << argv[1] << " did not come in time\n";
        return 1;
    }
    if (!chooser.grab().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::cerr << "chooser_screenshot: could not write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
