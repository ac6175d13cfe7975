#include "app/presetlisthints.h"

#include <QComboBox>
#include <QEvent>
#include <QTextDocument>
#include <QWheelEvent>

namespace {

// An ignored wheel event goes on to the parent, as over any widget that does not scroll.
class TWheelOnlyWithFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        if (!static_cast<QWidget*>(watched)->hasFocus()) {
            remainder_ = 0;
            event->ignore();
            return true;
        }
        if (MakesANotch(static_cast<QWheelEvent*>(event)->angleDelta().y())) return false;
        event->accept();  // part of a notch: taken, but no pick yet
        return true;
    }

  private:
    // The combo box moves one entry per wheel event. Finer wheels and touchpads send parts of a
    // notch (120), which count once they make a whole one; a turn back starts afresh.
    bool MakesANotch(int delta) {
        constexpr long long notch = 120;
        if (delta == 0) return true;
        if ((delta < 0) != (remainder_ < 0)) remainder_ = 0;
        remainder_ += delta;
        if (remainder_ > -notch && remainder_ < notch) return false;
        remainder_ %= notch;
        return true;
    }

    long long remainder_ = 0;  // wheel angle turned since the last whole notch
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
