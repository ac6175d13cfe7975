#include "app/settingmemorypanel.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "app/fixedrowdelegate.h"
#include "app/messagebox.h"
#include "core/inputfields.h"
#include "core/messages.h"

namespace {

std::string Message(const char* text, const QString& first, const QString& second = {}) {
    // One pass: a "%2" in a title stays as typed.
    const QString format = QString::fromUtf8(text);
    return (second.isNull() ? format.arg(first) : format.arg(first, second)).toStdString();
}

}  // namespace

TSettingMemoryPanel::TSettingMemoryPanel(const TControls& controls, const std::vector<QLineEdit*>& fields,
                                         const std::vector<QComboBox*>& lists, IMessageDialogs& messages,
                                         QString path)
    : controls_(controls), messages_(messages), memory_(std::move(path)) {
    std::copy_n(fields.begin(), std::min(fields.size(), fields_.size()), fields_.begin());
    for (std::size_t i = 0; i < lists_.size() && i < lists.size(); ++i) lists_[i] = lists[i];
    controls_.ListBox1.setItemDelegate(new TFixedRowDelegate(&controls_.ListBox1));
    Connect();
    UpdateButtons();
}

void TSettingMemoryPanel::Connect() {
    connect(&controls_.Edit1, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    connect(&controls_.ListBox1, &QListWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(&controls_.Button2, &QPushButton::clicked, this, [this] { Button2Click(&controls_.Button2); });
    connect(&controls_.Button3, &QPushButton::clicked, this, [this] { Button3Click(&controls_.Button3); });
    connect(&controls_.Button4, &QPushButton::clicked, this, [this] { Button4Click(&controls_.Button4); });
    // Double-click and Enter recall; itemActivated would also fire on a single click in some styles.
    connect(&controls_.ListBox1, &QListWidget::itemDoubleClicked, this,
            [this] { Button3Click(&controls_.ListBox1); });
    controls_.ListBox1.installEventFilter(this);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { Load(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { Load(); });
}

void TSettingMemoryPanel::Watch() {
    // The file once it exists, else the nearest folder above it that does, for its creation. A saved
    // file is a new file: the watch ends with the old one and is set again here.
    const QFileInfo file(memory_.Path());
    const QString folder = file.absolutePath();
    QString wanted;
    for (const QString& path : {file.absoluteFilePath(), folder, QFileInfo(folder).absolutePath()})
        if (wanted.isEmpty() && QFileInfo::exists(path)) wanted = path;
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (watched == QStringList{wanted}) return;
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    if (!wanted.isEmpty()) watcher_.addPath(wanted);
}

void TSettingMemoryPanel::Load() {
    const QListWidgetItem* selected = SelectedRow() >= 0 ? controls_.ListBox1.currentItem() : nullptr;
    const QString title = selected ? selected->text() : QString();
    memory_.Load();
    // Our own saves come back here too: an unchanged list keeps its scroll position.
    if (!ListShowsTitles()) ShowTitles(title);
    Watch();
    if (memory_.Damaged() && !damageReported_) {
        damageReported_ = true;
        messages_.ShowError(Message(kgr::AppStrings::MemoryDamaged, memory_.Path()));
    }
}

bool TSettingMemoryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &controls_.ListBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button3Click(&controls_.ListBox1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TSettingMemoryPanel::UpdateButtons() {
    controls_.Button2.setEnabled(!controls_.Edit1.text().trimmed().isEmpty());
    const bool selected = SelectedRow() >= 0;
    controls_.Button3.setEnabled(selected);
    controls_.Button4.setEnabled(selected);
}

int TSettingMemoryPanel::SelectedRow() const {
    const QListWidgetItem* item = controls_.ListBox1.currentItem();
    return item && item->isSelected() ? controls_.ListBox1.row(item) : -1;
}

bool TSettingMemoryPanel::ListShowsTitles() const {
    const auto& entries = memory_.Entries();
    if (static_cast<std::size_t>(controls_.ListBox1.count()) != entries.size()) return false;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (controls_.ListBox1.item(static_cast<int>(i))->text() != entries[i].Title) return false;
    return true;
}

void TSettingMemoryPanel::ShowTitles(const QString& title) {
    QStringList titles;
    titles.reserve(static_cast<qsizetype>(memory_.Entries().size()));
    for (const kgr::TMemoryEntry& entry : memory_.Entries()) titles.append(entry.Title);
    QListWidget& list = controls_.ListBox1;
    list.clear();
    list.addItems(titles);
    if (const auto row = memory_.Find(title)) list.setCurrentRow(static_cast<int>(*row));
    UpdateButtons();
}

kgr::TMemoryEntry TSettingMemoryPanel::CurrentSetup(const QString& title) const {
    kgr::TMemoryEntry entry;
    entry.Title = title;
    for (std::size_t i = 0; i < fields_.size(); ++i) entry.Fields[i] = fields_[i]->text();
    for (std::size_t i = 0; i < lists_.size(); ++i)
        entry.Presets[i] = lists_[i]->currentIndex() >= 0 ? lists_[i]->currentText() : QString();
    return entry;
}

void TSettingMemoryPanel::Report(const kgr::TMemoryChange& change, const char* failure,
                                 const QString& title) {
    if (!change.DamagedMovedTo.isEmpty())
        messages_.ShowNotice(Message(kgr::AppStrings::MemoryMovedAside, change.DamagedMovedTo));
    if (change.Stored)
        damageReported_ = false;  // a file damaged later is reported again
    else
        messages_.ShowError(Message(failure, title, change.Error));
}

void TSettingMemoryPanel::Button2Click(QObject*) {
    const QString title = controls_.Edit1.text().trimmed();
    if (title.isEmpty()) return;
    if (kgr::MemoryTitleTooLong(title)) {
        messages_.ShowError(kgr::AppStrings::MemoryTitleTooLong);
        return;
    }
    // Another window may have stored this title a moment ago, before its change reached us.
    Load();
    if (memory_.Find(title) && !messages_.AskYesNo(Message(kgr::AppStrings::MemoryReplace, title))) return;
    const kgr::TMemoryChange change = memory_.Put(CurrentSetup(title));
    Report(change, kgr::AppStrings::MemoryNotStored, title);
    if (change.Stored) ShowTitles(title);
    Watch();
}

void TSettingMemoryPanel::Button3Click(QObject*) {
    const int row = SelectedRow();
    if (row < 0) return;
    // A copy: the change handlers the writes raise may run anything.
    const kgr::TMemoryEntry entry = memory_.Entries()[static_cast<std::size_t>(row)];
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(entry.Fields[i]);
    for (std::size_t i = 0; i < lists_.size(); ++i) ShowPreset(*lists_[i], entry.Presets[i]);
    controls_.Edit1.setText(entry.Title);
}

void TSettingMemoryPanel::ShowPreset(QComboBox& list, const QString& text) {
    if (list.count() == 0) return;
    const QModelIndexList found = list.model()->match(list.model()->index(1, 0), Qt::DisplayRole, text, 1,
                                                      Qt::MatchExactly | Qt::MatchCaseSensitive);
    list.setCurrentIndex(found.isEmpty() ? 0 : found.front().row());
}

void TSettingMemoryPanel::Button4Click(QObject*) {
    const int row = SelectedRow();
    if (row < 0) return;
    const QString title = memory_.Entries()[static_cast<std::size_t>(row)].Title;
    if (!messages_.AskYesNo(Message(kgr::AppStrings::MemoryDelete, title))) return;
    const kgr::TMemoryChange change = memory_.Remove(title);
    Report(change, kgr::AppStrings::MemoryNotDeleted, title);
    if (change.Stored) ShowTitles({});
    Watch();
}
