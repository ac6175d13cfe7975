#include "app/fieldinput.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>

#include "core/fullwidth.h"

namespace {

void MapToHalfWidth(QString& text) {
    for (QChar& c : text) c = QChar(static_cast<char16_t>(kgr::HalfWidthOf(c.unicode())));
}

void PasteInto(QLineEdit& field, QClipboard::Mode mode) {
    if (!field.isReadOnly()) field.insert(PastedFieldText(QGuiApplication::clipboard()->text(mode)));
}

// The standard menu's paste entry: named so from Qt 6.5 on, before that known by its shortcut.
QAction* PasteEntry(const QMenu& menu) {
    const QString shortcut =
        QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions())
        if (action->objectName() == QLatin1String("edit-paste") || action->text().endsWith(shortcut))
            return action;
    return nullptr;
}

// The standard context menu, its paste entry trimming as Ctrl+V does.
void ShowContextMenu(QLineEdit& field, const QContextMenuEvent& event) {
    QMenu* menu = field.createStandardContextMenu();
    if (!menu) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = PasteEntry(*menu)) {
        QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
        QObject::connect(paste, &QAction::triggered, &field,
                         [&field] { PasteInto(field, QClipboard::Clipboard); });
    }
    menu->popup(event.globalPos());
}

// The middle button pastes the selection where it is released, as the field itself would.
bool PasteSelectionAt(QLineEdit& field, const QMouseEvent& event) {
    if (event.button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
        return false;
    field.deselect();
    field.setCursorPosition(field.cursorPositionAt(event.position().toPoint()));
    PasteInto(field, QClipboard::Selection);
    return true;
}

class TPasteFilter : public QObject {
  public:
    explicit TPasteFilter(QLineEdit& field) : QObject(&field), field_(field) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &field_) return false;
        switch (event->type()) {
            case QEvent::KeyPress:
                if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
                PasteInto(field_, QClipboard::Clipboard);
                return true;
            case QEvent::ContextMenu:
                ShowContextMenu(field_, *static_cast<QContextMenuEvent*>(event));
                return true;
            case QEvent::MouseButtonRelease:
                return PasteSelectionAt(field_, *static_cast<QMouseEvent*>(event));
            default:
                return false;
        }
    }

  private:
    QLineEdit& field_;
};

}  // namespace

QValidator::State TFullWidthValidator::validate(QString& input, int&) const {
    MapToHalfWidth(input);
    return Acceptable;
}

void TFullWidthValidator::fixup(QString& input) const {
    MapToHalfWidth(input);
}

QString PastedFieldText(const QString& clipboardText) {
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
    static const QRegularExpression blanks(QStringLiteral("^[ \\t\\x{3000}]+|[ \\t\\x{3000}]+$"));
    for (QString line : clipboardText.split(lineBreak)) {
        line.remove(blanks);
        if (!line.isEmpty()) return line;
    }
    return {};
}

void AddFieldInput(QLineEdit& field) {
    field.setValidator(new TFullWidthValidator(&field));
    field.installEventFilter(new TPasteFilter(field));
}
