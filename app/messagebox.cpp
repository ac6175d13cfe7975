#include "app/messagebox.h"

#include <QMessageBox>

#include "core/messages.h"

void TMessageBox::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kgr::AppStrings::ErrorTitle),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}
