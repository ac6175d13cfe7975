#include "app/presetlisthints.h"

#include <QComboBox>
#include <QEvent>
#include <QTextDocument>

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
