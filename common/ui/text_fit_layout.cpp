#include "text_fit_layout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <map>

namespace {

// The least room a pushed control keeps from the control that pushed it, unless the design gave it less: texts
// side by side need a word's space between them, lines of text one above the other carry their own leading.
constexpr int kLeastSpacingAcross = 6;
constexpr int kLeastSpacingDown = 2;

// Texts grow their controls; so do panels that fit their own contents. Lists, text boxes and pictures keep the
// size they were given.
bool growsToContents(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QGroupBox*>(control) ||
           control->layout();
}

QSize fittedSize(const QLayoutItem* item, const QRect& design)
{
    const QWidget* control = item->widget();
    if (!control || !growsToContents(control))
        return design.size();
    // A wrapped label keeps its design width, unless a word is wider, and takes the height of its lines.
    if (control->hasHeightForWidth()) {
        const int width = std::max(design.width(), control->minimumSizeHint().width());
        return {width, std::max(design.height(), control->heightForWidth(width))};
    }
    QSize wanted = control->sizeHint();
    // A radio button or a check box grows down only as far as its line of text or its indicator needs: the room
    // its size hint keeps around them for the focus frame would push every row of a list apart.
    if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control)) {
        const QStyle::PixelMetric indicator = qobject_cast<const QRadioButton*>(control)
                                                  ? QStyle::PM_ExclusiveIndicatorHeight
                                                  : QStyle::PM_IndicatorHeight;
        wanted.setHeight(std::max(control->fontMetrics().height(), control->style()->pixelMetric(indicator)));
    }
    return design.size().expandedTo(wanted);
}

struct Span {
    int begin;
    int end;
};

Span spanAlong(const QRect& rect, Qt::Orientation axis)
{
    return axis == Qt::Horizontal ? Span{rect.x(), rect.x() + rect.width()} : Span{rect.y(), rect.y() + rect.height()};
}

bool overlap(const Span& a, const Span& b)
{
    return a.begin < b.end && b.begin < a.end;
}

// How far a control that starts at `start` by design must move so that it stays clear of a neighbour before it,
// which ended at `neighbourDesignEnd` by design and now ends at `neighbourEnd`.
int clearance(int start, int neighbourDesignEnd, int neighbourEnd, int leastSpacing)
{
    const int spacing = std::min(start - neighbourDesignEnd, leastSpacing);
    return std::max(0, neighbourEnd + spacing - start);
}

// Moves the fitted controls along `axis`: those that share a design start move together, in the order of their
// starts, as far as the most crowded of them needs to stay clear of the shown controls before it. Controls are
// neighbours where their spans across the axis overlap in `across`.
void pushApart(std::vector<QRect>& fitted, const std::vector<QRect>& designs, const std::vector<bool>& shown,
               const std::vector<QRect>& across, Qt::Orientation axis)
{
    const Qt::Orientation crossAxis = axis == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal;
    const int leastSpacing = axis == Qt::Horizontal ? kLeastSpacingAcross : kLeastSpacingDown;
    std::map<int, std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < designs.size(); ++i)
        groups[spanAlong(designs[i], axis).begin].push_back(i);
    for (const auto& [start, members] : groups) {
        int shift = 0;
        for (const std::size_t i : members) {
            for (std::size_t j = 0; j < designs.size(); ++j) {
                const Span neighbour = spanAlong(designs[j], axis);
                if (!shown[j] || neighbour.begin >= start || neighbour.end > start ||
                    !overlap(spanAlong(across[i], crossAxis), spanAlong(across[j], crossAxis)))
                    continue;
                shift = std::max(shift, clearance(start, neighbour.end, spanAlong(fitted[j], axis).end, leastSpacing));
            }
        }
        for (const std::size_t i : members)
            fitted[i].translate(axis == Qt::Horizontal ? QPoint(shift, 0) : QPoint(0, shift));
    }
}

// The margin the design leaves between its controls and the parent's edge at `designEnd`.
int designMargin(const std::vector<int>& controlEnds, int designEnd)
{
    int lastInside = -1;
    for (const int end : controlEnds) {
        if (end <= designEnd)
            lastInside = std::max(lastInside, end);
    }
    return lastInside < 0 ? 0 : designEnd - lastInside;
}

}  // namespace

TextFitLayout::TextFitLayout(QWidget* parent, const QSize& designSize) : QLayout(parent), m_designSize(designSize)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetFixedSize);
}

TextFitLayout::~TextFitLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void TextFitLayout::place(QWidget* control, const QRect& design)
{
    for (Placed& placed : m_placed) {
        if (placed.item->widget() == control) {
            placed.design = design;
            invalidate();
            return;
        }
    }
    addChildWidget(control);
    m_placed.push_back({new QWidgetItem(control), design});
    invalidate();
}

void TextFitLayout::setDesignSize(const QSize& size)
{
    m_designSize = size;
    invalidate();
}

void TextFitLayout::addItem(QLayoutItem* item)
{
    m_placed.push_back({item, item->widget() ? item->widget()->geometry() : item->geometry()});
}

QLayoutItem* TextFitLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_placed[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* TextFitLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_placed[static_cast<std::size_t>(index)].item;
    m_placed.erase(m_placed.begin() + index);
    return item;
}

int TextFitLayout::count() const
{
    return static_cast<int>(m_placed.size());
}

TextFitLayout::Arrangement TextFitLayout::arrange() const
{
    std::vector<QRect> designs, fitted;
    std::vector<bool> shown;
    for (const Placed& placed : m_placed) {
        designs.push_back(placed.design);
        shown.push_back(!placed.item->isEmpty());
        fitted.emplace_back(placed.design.topLeft(),
                            shown.back() ? fittedSize(placed.item, placed.design) : placed.design.size());
    }
    // Side by side by design makes neighbours across; one above the other, where they now stand, neighbours down.
    pushApart(fitted, designs, shown, designs, Qt::Horizontal);
    const std::vector<QRect> placedAcross = fitted;
    pushApart(fitted, designs, shown, placedAcross, Qt::Vertical);

    std::vector<int> designRights, designBottoms;
    for (const QRect& design : designs) {
        designRights.push_back(design.x() + design.width());
        designBottoms.push_back(design.y() + design.height());
    }
    const int rightMargin = designMargin(designRights, m_designSize.width());
    const int bottomMargin = designMargin(designBottoms, m_designSize.height());
    QSize size = m_designSize;
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        if (shown[i])
            size = size.expandedTo(QSize(fitted[i].x() + fitted[i].width() + rightMargin,
                                         fitted[i].y() + fitted[i].height() + bottomMargin));
    }
    return {fitted, size};
}

QSize TextFitLayout::sizeHint() const
{
    return arrange().size;
}

QSize TextFitLayout::minimumSize() const
{
    return sizeHint();
}

void TextFitLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    m_laidOut = arrange();
    // The widget itself takes the place: a layout item would keep a button at its preferred height, centred in
    // its place, where the design makes it taller.
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        const QRect place = m_laidOut->geometries[i].translated(rect.topLeft());
        if (QWidget* control = m_placed[i].item->widget())
            control->setGeometry(place);
        else
            m_placed[i].item->setGeometry(place);
    }
}

void TextFitLayout::invalidate()
{
    // A text that changes without needing other room, as a clock's does at every tick, lays nothing out again.
    if (m_laidOut && arrange() == *m_laidOut)
        return;
    QLayout::invalidate();
}

Qt::Orientations TextFitLayout::expandingDirections() const
{
    return {};
}
