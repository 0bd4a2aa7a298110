#include "preview_loader.h"

#include <QThreadPool>
#include <deque>
#include <mutex>
#include <new>
#include <utility>

#include "preview_cache.h"

// What the loader and its worker share. The worker holds it as long as it runs, so a loader may go first.
struct PreviewQueue {
    PreviewQueue(ThemeLocations themeLocations, std::vector<ThemeEntry> themeEntries, const std::string& cacheFolder)
        : locations(std::move(themeLocations)), themes(std::move(themeEntries)), cache(cacheFolder)
    {
    }

    const ThemeLocations locations;
    const std::vector<ThemeEntry> themes;
    const PreviewCache cache;
    std::mutex mutex;
    // Null once the loader is gone: nothing more is made or sent.
    PreviewLoader* loader = nullptr;
    // The themes whose summary is sent, or on its way: a picture made first sends the summary with it.
    std::vector<bool> summarised = std::vector<bool>(themes.size(), false);
    std::deque<int> summaries;
    std::optional<int> picture;
    bool working = false;
};

namespace {

// One theme is read for previews at a time, whichever chooser asked for it, so that previews take at most what
// the readers allow one theme, even while a closed chooser's worker finishes the theme it was reading.
std::mutex oneThemeAtATime;

// What is to be made of one theme.
struct PreviewTask {
    int index;
    bool picture;
    bool summary;
};

// The next task, or nothing when there is none left or nobody to send the result to; then the worker stops.
std::optional<PreviewTask> takeTask(PreviewQueue& queue)
{
    const std::lock_guard<std::mutex> lock(queue.mutex);
    while (queue.loader) {
        std::optional<PreviewTask> task;
        if (queue.picture) {
            task = PreviewTask{*queue.picture, true, false};
            queue.picture.reset();
        } else if (!queue.summaries.empty()) {
            task = PreviewTask{queue.summaries.front(), false, true};
            queue.summaries.pop_front();
        } else {
            break;
        }
        const auto index = static_cast<std::size_t>(task->index);
        task->summary = !queue.summarised[index];
        queue.summarised[index] = true;
        if (task->picture || task->summary)
            return task;
    }
    queue.working = false;
    return std::nullopt;
}

// Runs `emitSignal` on the loader's thread, unless the loader is gone by then.
template <typename EmitSignal>
void sendToLoader(PreviewQueue& queue, EmitSignal emitSignal)
{
    const std::lock_guard<std::mutex> lock(queue.mutex);
    if (queue.loader)
        QMetaObject::invokeMethod(
            queue.loader, [loader = queue.loader, emitSignal] { emitSignal(loader); }, Qt::QueuedConnection);
}

std::optional<HighScoreRow> bestScore(const ScoreFilePlace& place)
{
    if (const std::optional<StoredHighScores> stored = readScoreFile(place))
        return stored->table.front();
    return std::nullopt;
}

// Memory may run out on a loaded machine whatever the readers allow: that theme's row says so, and the worker goes
// on with the next.
FoundPreview previewOf(const PreviewQueue& queue, const ThemeEntry& theme, bool withPicture)
{
    try {
        return findOrMakePreview(queue.cache, theme.folder, theme.name, withPicture);
    } catch (const std::bad_alloc&) {
        FoundPreview failed;
        failed.preview.damage = "There is not enough memory to show the theme \"" + theme.name + "\".";
        return failed;
    }
}

void work(const std::shared_ptr<PreviewQueue>& queue)
{
    while (const std::optional<PreviewTask> task = takeTask(*queue)) {
        const std::lock_guard<std::mutex> reading(oneThemeAtATime);
        const ThemeEntry& theme = queue->themes[static_cast<std::size_t>(task->index)];
        FoundPreview found = previewOf(*queue, theme, task->picture);
        const int index = task->index;
        const QImage picture = std::exchange(found.preview.picture, QImage());
        if (task->summary) {
            const ThemeSummary summary{std::move(found.preview), bestScore(queue->locations.scoreFile(theme.name)),
                                       found.fromCache};
            sendToLoader(*queue,
                         [index, summary](PreviewLoader* loader) { emit loader->summaryReady(index, summary); });
        }
        if (task->picture)
            sendToLoader(*queue,
                         [index, picture](PreviewLoader* loader) { emit loader->pictureReady(index, picture); });
    }
}

}  // namespace

PreviewLoader::PreviewLoader(ThemeLocations locations, std::vector<ThemeEntry> themes, const std::string& cacheFolder,
                             QObject* parent)
    : QObject(parent), m_queue(std::make_shared<PreviewQueue>(std::move(locations), std::move(themes), cacheFolder))
{
    m_queue->loader = this;
}

PreviewLoader::~PreviewLoader()
{
    const std::lock_guard<std::mutex> lock(m_queue->mutex);
    m_queue->loader = nullptr;
}

void PreviewLoader::loadSummaries()
{
    {
        const std::lock_guard<std::mutex> lock(m_queue->mutex);
        m_queue->summaries.clear();
        for (std::size_t i = 0; i < m_queue->themes.size(); ++i)
            m_queue->summaries.push_back(static_cast<int>(i));
    }
    startWorker();
}

void PreviewLoader::loadPicture(int index)
{
    {
        const std::lock_guard<std::mutex> lock(m_queue->mutex);
        if (index < 0 || index >= static_cast<int>(m_queue->themes.size()))
            return;
        m_queue->picture = index;
    }
    startWorker();
}

void PreviewLoader::startWorker()
{
    const std::lock_guard<std::mutex> lock(m_queue->mutex);
    if (m_queue->working)
        return;
    m_queue->working = true;
    QThreadPool::globalInstance()->start([queue = m_queue] { work(queue); });
}
