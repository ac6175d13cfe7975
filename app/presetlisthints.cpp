#include "app/presetlisthints.h"

#include <QComboBox>
#include <QEvent>

namespace {

// An ignored wheel event goes on to the parent, as over any widget that does not scroll.
class TWheelOnlyWithFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus()) return false;
        event->ignore();
        return true;
    }
};

}  // namespace

void AddPresetListHints(QComboBox& box) {
    box.setToolTip(box.currentText());
    // currentTextChanged follows every change of the shown entry: a pick, the program's selection,
    // a refill, or a new text of the current entry.
    QObject::connect(&box, &QComboBox::currentTextChanged, &box, &QWidget::setToolTip);
    // A combo box takes the focus from a wheel turn before the turn reaches it; clicks and Tab
    // still focus it.
    box.setFocusPolicy(Qt::StrongFocus);
    box.installEventFilter(new TWheelOnlyWithFocus(&box));
}
