#include "app/fieldmarks.h"

#include <QLineEdit>

namespace {

// A light red: unmistakable beside the grey and white fields, and black text stays easy to read.
const QColor kMarkColor(255, 196, 196);

}  // namespace

QString FieldFaultText(kgr::TFieldFault fault) {
    switch (fault) {
        case kgr::TFieldFault::ffNotThousands:
            return QStringLiteral("整数を入力してください（1,000 rpm 単位）");
        case kgr::TFieldFault::ffNotNumber:
            return QStringLiteral("数値を入力してください");
        case kgr::TFieldFault::ffZero:
            return QStringLiteral("0 以外の値を入力してください");
        case kgr::TFieldFault::ffNone:
            break;
    }
    return {};
}

TFieldMarks::TFieldMarks(std::vector<QLineEdit*> fields) {
    for (QLineEdit* field : fields) {
        QPalette marked = field->palette();
        marked.setColor(QPalette::Base, kMarkColor);
        fields_.push_back(
            {field, field->testAttribute(Qt::WA_SetPalette) ? field->palette() : QPalette(), marked});
    }
}

void TFieldMarks::Update(const kgr::TInputTexts& texts, char separator) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        TField& field = fields_[i];
        const QString fault = FieldFaultText(kgr::CheckInputField(static_cast<int>(i), texts[i], separator));
        const bool marked = !fault.isEmpty();
        if (marked != field.IsMarked) field.Edit->setPalette(marked ? field.Marked : field.Unmarked);
        if (marked || field.IsMarked) field.Edit->setToolTip(fault);
        field.IsMarked = marked;
    }
}
