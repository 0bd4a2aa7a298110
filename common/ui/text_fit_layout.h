#pragma once

#include <QLayout>
#include <optional>
#include <vector>

// Places controls where the window's design puts them, and lets each grow to its text in the font in use.
//
// A control keeps its design position (left, top) and takes its design size as the least it may have. A control
// that shows a text (a label, a button, a group box) grows to its size hint: a word-wrapped label to the height
// its text needs at its width, a radio button or a check box down only as far as its text or its indicator
// needs. So does a panel with a layout of its own. Any other control (a list, a text box, a picture) keeps its
// design size. A control that a grown neighbour on its left (or above it) would come too close to moves right
// (or down) just enough; controls that share a design left (or top) move together, so columns and rows stay
// aligned. The parent is fixed at its design size, or at the size that holds the grown controls with the
// design's margin.
//
// A text set later, a control shown or hidden, lays the parent out again where that moves anything. Controls
// that the window moves itself stay out of the layout.
class TextFitLayout : public QLayout {
public:
    explicit TextFitLayout(QWidget* parent, const QSize& designSize = QSize(0, 0));
    ~TextFitLayout() override;

    // Places `control`, a child of the parent, at its design rectangle; placing it again moves that rectangle.
    void place(QWidget* control, const QRect& design);
    void setDesignSize(const QSize& size);

    // A control added through QLayout's own functions takes its present geometry as its design.
    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;
    Qt::Orientations expandingDirections() const override;

private:
    struct Placed {
        QLayoutItem* item;
        QRect design;
    };

    // Where each control goes, in the order of `m_placed`, relative to the parent's top-left corner, and the
    // parent's size.
    struct Arrangement {
        std::vector<QRect> geometries;
        QSize size;
        bool operator==(const Arrangement& other) const { return geometries == other.geometries && size == other.size; }
    };
    Arrangement arrange() const;

    std::vector<Placed> m_placed;
    QSize m_designSize;
    // What the last layout gave the controls and the parent.
    std::optional<Arrangement> m_laidOut;
};
