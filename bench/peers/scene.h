// The chart every contender draws: the window's Chart1 showing the worked example (maximum 12,000
// rpm, band 7,000 to 10,000, six gears), and its data and looks read back for the peers.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <memory>
#include <vector>

class TForm1;
class TMessageRecorder;

struct TSceneLine {
    std::vector<QPointF> Points;
    QColor Colour;
    int Width = 1;
};

struct TSceneAxis {
    double Minimum = 0;
    double Maximum = 0;
    double Increment = 0;
    QString Title;
};

struct TScene {
    int Width = 0;  // the drawing area, inside the sunken edge
    int Height = 0;
    std::vector<TSceneLine> Lines;  // in the chart's drawing order
    QRectF Band;                    // in chart values
    QColor BandColour;
    QColor GridColour;
    QFont Font;
    TSceneAxis Bottom;
    TSceneAxis Left;
};

// The real window over the shipped catalogs with the worked example typed in.
class TBenchWindow {
  public:
    TBenchWindow();
    ~TBenchWindow();
    TForm1& Form() const { return *form_; }
    // The chart's content as the peers draw it (after one paint has laid the axes out).
    TScene Scene() const;

  private:
    std::unique_ptr<TMessageRecorder> messages_;
    std::unique_ptr<TForm1> form_;
};
