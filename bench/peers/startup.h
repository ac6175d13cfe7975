// Start-up to the first frame: kestrigo-snapshot --png against the minimal Qt Widgets program and two
// floors between them (bench/startup), run alternately as separate processes; wall time and peak RSS.
#pragma once

#include <QString>

void ReportStartup(const QString& binaryDirectory);
