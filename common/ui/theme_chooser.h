#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "preview_loader.h"

class Prompts;
class QListWidget;
class QPushButton;
class ThemePreviewPane;

// The theme chooser: every theme the locations know, each with a thumbnail of its first frame and a line on
// it, the selected one shown larger beside the list with its details and best time. OK makes the selected theme
// the current one. The previews are made in the background and cached, so the dialog opens at once and never
// waits on one. Add Theme… adds a theme shared as a zip archive or a folder to the user's themes and selects it.
class ThemeChooser : public QDialog {
    Q_OBJECT
public:
    // Item data: the line drawn under a row's name: its number of objects and best time, or why it is damaged.
    static constexpr int kStatusRole = Qt::UserRole + 1;

    // The selection starts on `currentTheme` when it is listed. Previews are cached in `previewCacheFolder`. Add
    // Theme… asks through `prompts`.
    ThemeChooser(ThemeLocations locations, const std::string& currentTheme, std::string previewCacheFolder,
                 Prompts& prompts, QWidget* parent = nullptr);

    // The picked name after OK; nothing after Cancel.
    const std::optional<std::string>& chosenTheme() const { return m_chosen; }

    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* addThemeButton() const { return m_addThemeButton; }
    ThemePreviewPane* previewPane() const { return m_pane; }
    // The summary a row shows; null while it is being made.
    const ThemeSummary* summary(int row) const;

signals:
    // Every row shows its summary now.
    void allSummariesShown();
    // The selected row shows its larger picture now.
    void pictureShown(int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layOut();
    // Lists the themes the locations find now, with previews to come, and selects `selectedTheme` when it is
    // listed.
    void listThemes(const std::string& selectedTheme);
    // Returns the row of `currentTheme`, or -1 when it is not listed.
    int fillList(const std::vector<ThemeEntry>& themes, const std::string& currentTheme);
    void addTheme();
    // The selected row, or -1.
    int selectedRow() const;
    void acceptChoice();
    void showSummary(int row, const ThemeSummary& summary);
    void showPicture(int row, const QImage& picture);
    void showSelected();
    // The thumbnail stands in for the larger picture until it comes.
    void showStandInPicture(int row);

    QListWidget* m_list;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_addThemeButton;
    ThemePreviewPane* m_pane;
    ThemeLocations m_locations;
    std::string m_previewCacheFolder;
    Prompts& m_prompts;
    PreviewLoader* m_loader = nullptr;
    std::vector<std::optional<ThemeSummary>> m_summaries;
    bool m_shown = false;
    int m_summariesShown = 0;
    // The row whose larger picture the pane shows.
    int m_pictureRow = -1;
    std::optional<std::string> m_chosen;
};
