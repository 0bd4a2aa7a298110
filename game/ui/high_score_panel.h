#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "high_score_table.h"

class TextFitLayout;

// The table of a theme's ten best times, shown over the canvas until Close is pressed. Each column is as wide
// as its widest text, and the panel as large as its columns.
class HighScorePanel : public QWidget {
    Q_OBJECT
public:
    explicit HighScorePanel(QWidget* parent = nullptr);

    // Shows the rows; stored times are shown with the user's decimal point.
    void showRows(const HighScoreTable& table, char decimalPoint);

    QString nameText(int row) const { return m_nameLabels[row]->text(); }
    QString dateText(int row) const { return m_dateLabels[row]->text(); }
    QString timeText(int row) const { return m_timeLabels[row]->text(); }
    QPushButton* closeButton() const { return m_closeButton; }

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* makeRowLabel(const QRect& place, const QColor& colour);

    TextFitLayout* m_layout;
    QImage m_background;
    QPushButton* m_closeButton;
    std::array<QLabel*, kHighScoreRows> m_placeLabels{};
    std::array<QLabel*, kHighScoreRows> m_nameLabels{};
    std::array<QLabel*, kHighScoreRows> m_dateLabels{};
    std::array<QLabel*, kHighScoreRows> m_timeLabels{};
};
