#include "app/messagebox.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/messages.h"

void TMessageBox::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kgr::AppStrings::ErrorTitle),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

bool TMessageBox::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kgr::AppStrings::QuestionTitle),
                    QString::fromStdString(text));
    QPushButton* yes = box.addButton(QString::fromUtf8(kgr::AppStrings::Yes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromUtf8(kgr::AppStrings::No), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void TMessageBox::ShowNotice(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kgr::AppStrings::NoticeTitle),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}
