// The velocity-profile chart of the "Motor Profile" group and of the PDF report.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include "engine/Presentation.h"

class QChart;

namespace brivane::ui {

// Builds the velocity-over-time chart with the tool's fixed style: five time labels at the equally
// spaced positions 0 to 4 (texts may repeat), data point i at position i, an unfilled area without
// a legend entry, the y axis scaled from the data, a light horizontal grid and no vertical grid.
QChart* MakeVelocityChart(const ProfileChartData& data, QSizeF size);

// The time labels of a chart made by MakeVelocityChart, in position order, as the user reads them.
QStringList VelocityChartLabels(const QChart* chart);

// The plot area inside a chart of `size`: fixed margins of 50 left, 10 top, 50 right, 60 below.
QRectF VelocityPlotArea(QSizeF size);

}  // namespace brivane::ui
