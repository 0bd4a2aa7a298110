#pragma once

#include <QWidget>

struct ThemeSummary;

class QLabel;

// The theme selected in the chooser, beside its list: its first frame at up to 480 x 360, its description and
// date line, its number of objects and its best time; for a damaged theme, why it cannot be loaded.
class ThemePreviewPane : public QWidget {
    Q_OBJECT
public:
    explicit ThemePreviewPane(QWidget* parent = nullptr);

    // Shows the theme named `name`; `summary` is null while it is being made.
    void showTheme(const QString& name, const ThemeSummary* summary);
    // The frame to show until the larger picture comes; a null image shows none.
    void showPicture(const QImage& picture);
    // No theme selected.
    void showNothing();

    QLabel* picture() const { return m_picture; }
    QLabel* name() const { return m_name; }
    QLabel* details() const { return m_details; }
    QLabel* objects() const { return m_objects; }
    QLabel* bestTime() const { return m_bestTime; }
    QLabel* damage() const { return m_damage; }

private:
    QLabel* m_picture;
    QLabel* m_name;
    QLabel* m_details;
    QLabel* m_objects;
    QLabel* m_bestTime;
    QLabel* m_damage;
};

// A stored time as the user reads it: with the system's decimal point.
QString shownTime(const std::string& storedTime);
