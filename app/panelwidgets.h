// Controls drawn as the window's layout expects them, where Qt's styles draw them otherwise.
#pragma once

#include <QGroupBox>
#include <QLineEdit>

// A group box framed with an etched line through the middle of its caption. The styles' own frames
// start below the caption and would cross the first row of controls.
class TGroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A field sunk into the panel: a one-pixel edge, dark above and left, light below and right, around
// the base colour, with the text a pixel further in than in a plain frameless field. Drawn here
// rather than by a style sheet, which would load Qt's style-sheet engine while the window starts.
class TBevelledEdit : public QLineEdit {
  public:
    TBevelledEdit(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
