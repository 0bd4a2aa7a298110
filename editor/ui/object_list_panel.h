#pragma once

#include <QFrame>
#include <vector>

class PictureThumbnail;
class QLabel;
class QRadioButton;
class QScrollArea;
class TextFitLayout;
struct ObjectList;
struct Workspace;

// The object list: one row per object with its option button, thumbnail and X and Y labels, laid out in
// twips as the editor's layout says, each control grown to its text. The rows scroll when the panel is too low to
// hold them all.
class ObjectListPanel : public QFrame {
    Q_OBJECT
public:
    explicit ObjectListPanel(QWidget* parent = nullptr);

    // Makes the rows match the list: their number, captions, thumbnails, labels and the mark.
    void showRows(const ObjectList& list, const Workspace& workspace, double twipsPerPixel);
    void showLabels(const Workspace& workspace, int row);
    void showMark(const ObjectList& list);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    QRadioButton* option(int row) const { return m_rows[static_cast<std::size_t>(row)].option; }
    PictureThumbnail* thumbnail(int row) const { return m_rows[static_cast<std::size_t>(row)].thumbnail; }
    QLabel* xLabel(int row) const { return m_rows[static_cast<std::size_t>(row)].xLabel; }
    QLabel* yLabel(int row) const { return m_rows[static_cast<std::size_t>(row)].yLabel; }
    QScrollArea* scrollArea() const { return m_scrollArea; }

    // As wide as the rows' texts need.
    QSize minimumSizeHint() const override;

signals:
    void optionClicked(int row);
    void thumbnailClicked(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        QRadioButton* option;
        PictureThumbnail* thumbnail;
        QLabel* xLabel;
        QLabel* yLabel;
    };
    void addRow(double twipsPerPixel);
    void removeLastRow();

    QScrollArea* m_scrollArea;
    QWidget* m_rowsWidget;
    TextFitLayout* m_rowsLayout;
    QLabel* m_xCaption;
    QLabel* m_yCaption;
    std::vector<Row> m_rows;
};
