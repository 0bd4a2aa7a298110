#include "object_list_panel.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <cmath>

#include "editor_layout.h"
#include "object_list.h"
#include "picture_thumbnail.h"
#include "text_fit_layout.h"
#include "workspace.h"

namespace {

QRect pixels(const TwipRect& rect, double twipsPerPixel)
{
    return QRect(twipsToPixels(rect.left, twipsPerPixel), twipsToPixels(rect.top, twipsPerPixel),
                 twipsToPixels(rect.width, twipsPerPixel), twipsToPixels(rect.height, twipsPerPixel));
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A position label is as wide as the widest position from the start, so a drag never widens the list.
QLabel* positionLabel(QWidget* parent)
{
    QLabel* label = plainLabel(QString(), parent);
    label->setMinimumWidth(label->fontMetrics().size(0, QStringLiteral("-32768")).width());
    return label;
}

}  // namespace

ObjectListPanel::ObjectListPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rowsWidget = new QWidget;
    m_rowsLayout = new TextFitLayout(m_rowsWidget);
    m_scrollArea->setWidget(m_rowsWidget);
    m_xCaption = plainLabel(QStringLiteral("X: "), m_rowsWidget);
    m_yCaption = plainLabel(QStringLiteral("Y: "), m_rowsWidget);
}

void ObjectListPanel::showRows(const ObjectList& list, const Workspace& workspace, double twipsPerPixel)
{
    while (rowCount() > list.rows)
        removeLastRow();
    while (rowCount() < list.rows)
        addRow(twipsPerPixel);
    for (int row = 0; row < rowCount(); ++row) {
        thumbnail(row)->showPicture(workspace.objects[static_cast<std::size_t>(row)].picture);
        showLabels(workspace, row);
    }
    showMark(list);

    m_rowsLayout->place(m_xCaption, pixels(xCaptionGeometry(), twipsPerPixel));
    m_rowsLayout->place(m_yCaption, pixels(yCaptionGeometry(), twipsPerPixel));
    const int contentHeight = static_cast<int>(std::ceil(listRowsHeight(list.rows, twipsPerPixel)));
    const int contentWidth = pixels(listRowGeometry(0).yLabel, twipsPerPixel).right() + 2;
    m_rowsLayout->setDesignSize(QSize(contentWidth, contentHeight));
    m_rowsLayout->activate();
}

QSize ObjectListPanel::minimumSizeHint() const
{
    // Room for the scroll bar too, so the rows never hide under it when there are more than the panel holds.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollArea);
    return QSize(m_rowsWidget->width() + 2 * frameWidth() + scrollBar, 0);
}

void ObjectListPanel::showLabels(const Workspace& workspace, int row)
{
    xLabel(row)->setText(QString::number(workspace.objectX[static_cast<std::size_t>(row)]));
    yLabel(row)->setText(QString::number(workspace.objectY[static_cast<std::size_t>(row)]));
}

void ObjectListPanel::showMark(const ObjectList& list)
{
    for (int row = 0; row < rowCount(); ++row)
        option(row)->setChecked(list.marked == row);
}

void ObjectListPanel::addRow(double twipsPerPixel)
{
    const int index = rowCount();
    const ListRowGeometry geometry = listRowGeometry(index);
    Row row{new QRadioButton(QString::fromStdString(rowCaption(index)), m_rowsWidget),
            new PictureThumbnail(m_rowsWidget), positionLabel(m_rowsWidget), positionLabel(m_rowsWidget)};
    // The editor decides which row is marked, also none: the buttons do not exclude each other by themselves.
    row.option->setAutoExclusive(false);
    m_rowsLayout->place(row.option, pixels(geometry.option, twipsPerPixel));
    m_rowsLayout->place(row.thumbnail, pixels(geometry.thumbnail, twipsPerPixel));
    m_rowsLayout->place(row.xLabel, pixels(geometry.xLabel, twipsPerPixel));
    m_rowsLayout->place(row.yLabel, pixels(geometry.yLabel, twipsPerPixel));
    connect(row.option, &QRadioButton::clicked, this, [this, index] { emit optionClicked(index); });
    connect(row.thumbnail, &PictureThumbnail::clicked, this, [this, index] { emit thumbnailClicked(index); });
    for (QWidget* widget : {static_cast<QWidget*>(row.option), static_cast<QWidget*>(row.thumbnail),
                            static_cast<QWidget*>(row.xLabel), static_cast<QWidget*>(row.yLabel)})
        widget->show();
    m_rows.push_back(row);
}

void ObjectListPanel::removeLastRow()
{
    const Row& row = m_rows.back();
    delete row.option;
    delete row.thumbnail;
    delete row.xLabel;
    delete row.yLabel;
    m_rows.pop_back();
}

void ObjectListPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    m_scrollArea->setGeometry(contentsRect());
}
