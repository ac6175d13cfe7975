// The "セッティングメモリー" panel: stores the current setup under a title, lists the stored titles,
// recalls one into the fields and deletes one. The panel's controls belong to the window; this object
// gives them their behaviour and keeps the store.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <array>
#include <vector>

#include "memory/settingmemory.h"

class IMessageDialogs;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class TSettingMemoryPanel : public QObject {
  public:
    struct TControls {
        QLineEdit& Edit1;      // the title
        QPushButton& Button2;  // 追加
        QListWidget& ListBox1;
        QPushButton& Button3;  // 呼出
        QPushButton& Button4;  // 削除
    };

    // `fields` are the thirteen input fields in input table order (core/inputfields.h), `lists` the five
    // preset lists in catalog order; the memory is the file at `path`.
    TSettingMemoryPanel(const TControls& controls, const std::vector<QLineEdit*>& fields,
                        const std::vector<QComboBox*>& lists, IMessageDialogs& messages, QString path);

    // Reads the file and lists its titles (what another window saved too), keeping the selected title
    // selected; a damaged file is reported here, once. Never writes.
    void Load();
    // 追加: stores the setup under the title, after asking before it replaces an entry.
    void Button2Click(QObject* sender);
    // 呼出: writes the selected entry into the fields as a preset pick does, then shows its presets.
    void Button3Click(QObject* sender);
    // 削除: removes the selected entry once the user confirms.
    void Button4Click(QObject* sender);

    const kgr::TSettingMemory& Memory() const { return memory_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Connect();
    void Watch();
    void UpdateButtons();
    // Lists the stored titles again and selects `title`'s row, if there is one.
    void ShowTitles(const QString& title);
    bool ListShowsTitles() const;
    int SelectedRow() const;
    kgr::TMemoryEntry CurrentSetup(const QString& title) const;
    static void ShowPreset(QComboBox& list, const QString& text);
    // Tells the user what a change did besides storing: a damaged file kept elsewhere, a failure.
    void Report(const kgr::TMemoryChange& change, const char* failure, const QString& title);

    TControls controls_;
    std::array<QLineEdit*, kgr::GearingInputCount> fields_{};
    std::array<QComboBox*, kgr::PresetListCount> lists_{};
    IMessageDialogs& messages_;
    kgr::TSettingMemory memory_;
    QFileSystemWatcher watcher_;
    bool damageReported_ = false;
};
