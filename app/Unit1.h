// The main window: the speed table and gear chart on two tabs, the drive-train inputs with their
// preset lists, the setting memory and the close button. Every changed input recalculates.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/catalogs.h"

class QComboBox;
class QGroupBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class IMessageDialogs;
class TChart;
class TComponent;
class TFieldMarks;
class TPresetList;
class TSettingMemoryPanel;
class TSpeedTableModel;
namespace kgr {
class TGearingResult;
}

class TForm1 : public QWidget {
    Q_OBJECT

  public:
    // Builds every control, runs FormCreate, then lists the setting memory. Catalog errors and the
    // memory's questions go to `messages` (modal message boxes when null); catalogs are read from
    // `catalogDirectory` (with its trailing separator; when empty, the executable's directory or the
    // installed data folder, see kgr::CatalogDirectory).
    explicit TForm1(IMessageDialogs* messages = nullptr, QString catalogDirectory = {},
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up: default inputs, the five catalogs, a final recalculation.
    void FormCreate(QObject* sender);
    // Reads the thirteen inputs and shows the result in the table and the chart.
    void Recalculate();
    // Recalculations since the window was created.
    int Recalculations() const { return recalculations_; }
    TSpeedTableModel& GridModel() const { return *gridModel_; }
    TSettingMemoryPanel& SettingMemory() const { return *memoryPanel_; }

    // The thirteen input fields in tab order, the same in input table order (core/inputfields.h), and
    // the five preset lists in catalog order.
    const std::vector<QLineEdit*>& InputFields() const { return inputFields_; }
    std::vector<QLineEdit*> TableFields() const;
    std::vector<QComboBox*> PresetLists() const;

    // Change handlers: reset the field's list to "(USER)" while the user edits it, then recalculate.
    void E_Ratio1Change(QObject* sender);
    void E_RatioT1Change(QObject* sender);
    void E_RatioT2Change(QObject* sender);
    void E_RatioT3Change(QObject* sender);
    void E_RatioT4Change(QObject* sender);
    void E_RatioT5Change(QObject* sender);
    void E_RatioT6Change(QObject* sender);
    void E_Ratio2drvChange(QObject* sender);
    void E_Ratio2drvnChange(QObject* sender);
    void E_TireChange(QObject* sender);
    void E_MaxRPMChange(QObject* sender);
    void E_PBChange(QObject* sender);
    // Selection handlers: write the picked entry's values into the fields.
    void C_Ratio1Select(QObject* sender);
    void C_RatioTSelect(QObject* sender);
    void C_Ratio2drvSelect(QObject* sender);
    void C_Ratio2drvnSelect(QObject* sender);
    void C_TireSelect(QObject* sender);
    // Closes the window, which ends the program.
    void SpeedButton2Click(QObject* sender);

    // Controls, owned by their parents, in creation order.
    QToolButton* SpeedButton2 = nullptr;
    QLabel* Label19 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QTableView* StringGrid1 = nullptr;  // built when its tab is first shown
    QWidget* TabSheet2 = nullptr;
    TChart* Chart1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button2 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QComboBox* C_Ratio1 = nullptr;
    QLineEdit* E_Ratio1 = nullptr;
    QLineEdit* E_MaxRPM = nullptr;
    QLineEdit* E_PBLow = nullptr;
    QLineEdit* E_PBHigh = nullptr;
    QFrame* Panel1 = nullptr;
    QComboBox* C_RatioT = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* E_RatioT1 = nullptr;
    QLineEdit* E_RatioT2 = nullptr;
    QLineEdit* E_RatioT3 = nullptr;
    QLineEdit* E_RatioT4 = nullptr;
    QLineEdit* E_RatioT5 = nullptr;
    QLineEdit* E_RatioT6 = nullptr;
    QComboBox* C_Ratio2drv = nullptr;
    QLineEdit* E_Ratio2drv = nullptr;
    QComboBox* C_Ratio2drvn = nullptr;
    QLineEdit* E_Ratio2drvn = nullptr;
    QComboBox* C_Tire = nullptr;
    QLineEdit* E_Tire = nullptr;

  private:
    void CreateWindowControls();
    void CreateTabs();
    void CreateStringGrid();
    void CreateSettingMemory();
    void CreateInputs();
    void CreateTransmissionPanel();
    void SetTabOrder();
    void ConnectHandlers();
    void ConnectPresets();
    // The change-handler rule: the list shows "(USER)" once its own field is being edited.
    void FieldChanged(QLineEdit* field, TPresetList& list);
    // Empties the twelve lines and, when the result is drawn, refills them and moves the power band.
    void ShowOnChart(const kgr::TGearingResult& result);
    void FillChartLine(int index, const kgr::TGearingResult& result);
    void SelectPreset(kgr::TCatalogKind kind, const TPresetList& list, const std::vector<QLineEdit*>& fields);

    // Owns the chart's series; destroyed before the controls, so the series leave the chart first.
    std::unique_ptr<TComponent> components_;
    std::unique_ptr<IMessageDialogs> ownMessages_;
    kgr::TCatalogContext catalogs_;
    std::unique_ptr<TPresetList> ratio1List_;
    std::unique_ptr<TPresetList> ratioTList_;
    std::unique_ptr<TPresetList> ratio2drvList_;
    std::unique_ptr<TPresetList> ratio2drvnList_;
    std::unique_ptr<TPresetList> tireList_;
    std::unique_ptr<TSettingMemoryPanel> memoryPanel_;
    TSpeedTableModel* gridModel_ = nullptr;
    std::unique_ptr<TFieldMarks> fieldMarks_;  // the fields that say what is wrong
    std::vector<QLineEdit*> inputFields_;
    int recalculations_ = 0;
};
