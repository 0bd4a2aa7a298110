#pragma once

#include <QImage>
#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "high_score_table.h"
#include "theme_locations.h"
#include "theme_preview.h"

// What a row of the chooser tells of a theme: its preview without the larger picture, the best row of its score
// table (nothing when it has none), and whether the preview came from the cache.
struct ThemeSummary {
    ThemePreview preview;
    std::optional<HighScoreRow> best;
    bool fromCache = false;
};

struct PreviewQueue;

// Makes the previews of themes on a worker thread, one theme at a time in the whole program, so a window that
// shows them never waits on one, and a theme as large as the readers allow takes no more memory than a load of
// it. Each result arrives by a signal on the loader's own thread as soon as it is ready. Previews are cached in
// the folder given; score tables are read afresh every time and never written.
class PreviewLoader : public QObject {
    Q_OBJECT
public:
    // Results name a theme by its index in `themes`, found through `locations`, which also say where each theme's
    // score table is kept.
    PreviewLoader(ThemeLocations locations, std::vector<ThemeEntry> themes, const std::string& cacheFolder,
                  QObject* parent = nullptr);
    // What is still waiting is dropped; a theme being read is finished on the worker, and its result dropped.
    ~PreviewLoader() override;

    // The summary of every theme, in order.
    void loadSummaries();
    // The larger picture of theme `index`, before any summary; replaces a picture asked for earlier and not made.
    void loadPicture(int index);

signals:
    void summaryReady(int index, const ThemeSummary& summary);
    void pictureReady(int index, const QImage& picture);

private:
    void startWorker();

    std::shared_ptr<PreviewQueue> m_queue;
};
