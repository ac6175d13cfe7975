#include "app/chartcopy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "chart/chart.h"

void AddChartCopy(TChart& chart) {
    auto* copyChart = new QAction(QStringLiteral("グラフをコピー"), &chart);
    // Rendered afresh: a recalculation since the last paint is in the copy, and a chart on a hidden
    // tab copies as it would show.
    QObject::connect(copyChart, &QAction::triggered, &chart,
                     [&chart] { QGuiApplication::clipboard()->setImage(chart.RenderToImage()); });
    chart.addAction(copyChart);
    chart.setContextMenuPolicy(Qt::ActionsContextMenu);
}
