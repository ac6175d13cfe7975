// Input fields that say what is wrong: after each recalculation every field whose text the
// computation cannot read (or a primary ratio, drive or driven value of 0, which draws nothing) is
// tinted and its tooltip says what it expects. The mark goes once the text reads.
#pragma once

#include <QPalette>
#include <QString>
#include <vector>

#include "core/inputfields.h"

class QLineEdit;

// The tooltip of a field with this fault; empty for none.
QString FieldFaultText(kgr::TFieldFault fault);

class TFieldMarks {
  public:
    // The fields in input table order (kgr::InputFields); they must outlive this object.
    explicit TFieldMarks(std::vector<QLineEdit*> fields);

    // Marks the fields by their texts (input table order); numbers use decimalSeparator. A marked
    // field's tooltip is FieldFaultText of its fault; an unmarked one has no tooltip.
    void Update(const kgr::TInputTexts& texts, char decimalSeparator);

  private:
    struct TField {
        QLineEdit* Edit;
        QPalette Unmarked;  // an empty palette when the field takes its parent's
        QPalette Marked;
        bool IsMarked = false;
    };
    std::vector<TField> fields_;
};
