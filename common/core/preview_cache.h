#pragma once

#include <optional>
#include <string>

#include "theme_preview.h"

// The folder theme previews are cached in: "vantor/previews" in the user's cache folder, `cacheHome`
// ($XDG_CACHE_HOME) when it is an absolute path, otherwise ~/.cache.
std::string previewCacheFolder(const std::string& cacheHome, const std::string& home);
// The same for this process's environment.
std::string processPreviewCacheFolder();

// What a theme folder's preview is made from, as one text: the folder, and the name and stamp of every file of
// it that the theme reader may read. Score tables and sounds are left out: playing a round
// changes no preview.
std::string previewSourceKey(const std::string& themeFolder);

// Previews kept between openings of the chooser, one file per theme folder. A file is used only when it is
// whole, ours, and made from the very files the theme folder holds now; any other file is passed over, never
// trusted, and replaced by the next store.
class PreviewCache {
public:
    explicit PreviewCache(std::string folder);

    const std::string& folder() const { return m_folder; }
    // The file that holds the preview of the theme in `themeFolder`.
    std::string fileFor(const std::string& themeFolder) const;

    // The stored preview of the theme in `themeFolder` whose files give `key` now; nothing when there is none to
    // trust. The larger picture is decoded only when asked for.
    std::optional<ThemePreview> find(const std::string& themeFolder, const std::string& key, bool withPicture) const;

    // Stores the preview in one step, replacing the file there. Nothing is reported: without a cache the previews
    // are only made again at the next opening.
    void store(const std::string& themeFolder, const std::string& key, const ThemePreview& preview) const;

private:
    std::string m_folder;
};

// A cache file is a header line, a checksum, and a body that holds the key the preview was made from, then the
// preview. The preview in a body made from `key`; nothing when the body is not one of ours for that key. The
// larger picture is decoded only when asked for.
std::optional<ThemePreview> parsePreviewBody(const std::string& body, const std::string& key, bool withPicture);
// The body that holds `preview`, made from `key`.
std::string previewBody(const std::string& key, const ThemePreview& preview);

// A theme's preview, and whether it came from the cache.
struct FoundPreview {
    ThemePreview preview;
    bool fromCache = false;
};

// The preview of theme `name` in `folder`: the stored one while the theme's files are unchanged, otherwise made
// afresh and stored.
FoundPreview findOrMakePreview(const PreviewCache& cache, const std::string& folder, const std::string& name,
                               bool withPicture);
