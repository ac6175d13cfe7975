#include "app/presetlisthints.h"

#include <QComboBox>
#include <QEvent>
#include <QTextDocument>
#include <QWheelEvent>

#include "chart/wheelnotches.h"

namespace {

// An ignored wheel event goes on to the parent, as over any widget that does not scroll.
class TWheelOnlyWithFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        if (!static_cast<QWidget*>(watched)->hasFocus()) {
            notches_.Reset();
            event->ignore();
            return true;
        }
        // The combo box moves one entry per wheel event it gets: it gets those that complete a notch.
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta == 0 || notches_.Add(delta) != 0) return false;
        event->accept();  // part of a notch: taken, but no pick yet
        return true;
    }

  private:
    TWheelNotches notches_;
};

// A tooltip that looks like markup is shown as rich text: "<S>" in a name would strike the rest
// through and vanish. Such a name is given as escaped rich text on one line; others as they are.
void ShowAsTooltip(QComboBox& box, const QString& name) {
    box.setToolTip(Qt::mightBeRichText(name)
                       ? QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(name.toHtmlEscaped())
                       : name);
}

}  // namespace

void AddPresetListHints(QComboBox& box) {
    ShowAsTooltip(box, box.currentText());
    // currentTextChanged follows every change of the shown entry: a pick, the program's selection,
    // a refill, or a new text of the current entry.
    QObject::connect(&box, &QComboBox::currentTextChanged, &box,
                     [&box](const QString& name) { ShowAsTooltip(box, name); });
    // A combo box takes the focus from a wheel turn before the turn reaches it; clicks and Tab
    // still focus it.
    box.setFocusPolicy(Qt::StrongFocus);
    box.installEventFilter(new TWheelOnlyWithFocus(&box));
}
