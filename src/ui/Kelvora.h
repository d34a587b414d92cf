#pragma once

// The main window: the room record and the way to the calculators. Its input
// fields describe the room and its air; its result fields hold the
// components, the peaks of the glazing and the roof, and the two totals. The
// calculators read room values and write their results through the Room
// interface, which this window implements; Compute totals the results, Clear
// resets them. Picking an entry of the component list runs the dispatch, which
// checks that the air conditions are filled in and shows the entry's
// calculator while hiding the others. What the components are, and which
// fields hold their results, comes from the components' table. How each
// result came about, and whether it and the totals still hold, is kept by a
// ResultHistory, which sees the window's fields only as RoomFields; Sao chép
// hands that history to a RoomReport, which puts the room on the clipboard as
// tables, and leaves a passing note at the button that it did.

#include "CalculatorWindows.h"
#include "ComponentTable.h"
#include "Room.h"
#include "RoomFields.h"

#include "core/HeatBalance.h"

#include <QWidget>

#include <vector>

class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora::ui {

class PassingNote;
class ResultHistory;

class Kelvora : public QWidget, public Room {
    Q_OBJECT

public:
    explicit Kelvora(QWidget* parent = nullptr);
    ~Kelvora() override;
    Kelvora(const Kelvora&) = delete;
    Kelvora& operator=(const Kelvora&) = delete;

    [[nodiscard]] QString text(RoomValue value) const override;
    void watch(RoomValue value, const QObject* context, std::function<void()> changed) override;
    void writeResultW(std::size_t entry, ResultKind kind, const Worked& result,
                      const ResultInputs& inputs) override;

    [[nodiscard]] const CalculatorWindows& calculators() const { return calculators_; }
    [[nodiscard]] const ResultHistory& history() const { return *history_; }

    // The room: what it is and its air.
    QLabel* Label1 = nullptr;
    QLineEdit* txttenphong = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtdientich = nullptr; // m²
    QLabel* Label4 = nullptr;
    QLineEdit* txtsonguoi = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtnhietdongoai = nullptr; // °C
    QLabel* Label6 = nullptr;
    QLineEdit* txtnhietdotrong = nullptr; // °C
    QLabel* Label3 = nullptr;
    QLineEdit* txtdoamngoai = nullptr; // %
    QLabel* Label7 = nullptr;
    QLineEdit* txtdoamtrong = nullptr; // %
    QLabel* Label8 = nullptr;
    QLineEdit* txtdungamngoai = nullptr; // g/kg of dry air
    QLabel* Label9 = nullptr;
    QLineEdit* txtdungamtrong = nullptr; // g/kg of dry air
    QLabel* Label11 = nullptr;
    QLineEdit* txtenthanpyngoai = nullptr; // kJ/kg
    QLabel* Label12 = nullptr;
    QLineEdit* txtenthanpytrong = nullptr; // kJ/kg

    QLabel* CHONLOAINHIETTHUA = nullptr;
    QListWidget* loaiQ = nullptr;

    // The results, all in W.
    QGroupBox* Frame1 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Q1 = nullptr;
    QLineEdit* txtQ1 = nullptr;
    QLabel* Q2 = nullptr;
    QLineEdit* txtQ2 = nullptr;
    QLabel* Q3 = nullptr;
    QLineEdit* txtQ3 = nullptr;
    QLabel* Q4 = nullptr;
    QLineEdit* txtQ4 = nullptr;
    QLabel* Q5 = nullptr;
    QLineEdit* txtQ5 = nullptr;
    QLabel* Q6 = nullptr;
    QLineEdit* txtQ6 = nullptr;
    QLabel* Q7 = nullptr;
    QLineEdit* txtQ7 = nullptr;
    QLabel* Q8 = nullptr;
    QLineEdit* txtQ8 = nullptr;
    QLabel* tongnhietthua = nullptr;
    QLineEdit* txtQtong = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* txtq5max = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* txtq7max = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* txtqtongmax = nullptr;

    QPushButton* tinh = nullptr;
    QPushButton* cmdxoa = nullptr;
    QPushButton* cmdthoat = nullptr;
    QPushButton* cmdsaochep = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tinh_Click();
    void cmdxoa_Click();
    void cmdthoat_Click();
    void loaiQ_Click();
    void cmdsaochep_Click();

    void buildRoom();
    void buildResults();
    [[nodiscard]] std::vector<QLineEdit*> checkedFields(RoomCheck check) const;
    [[nodiscard]] bool airConditionsFilled(RoomCheck check) const;
    [[nodiscard]] QLineEdit* roomField(RoomValue value) const;
    [[nodiscard]] RoomFields fields();

    void showNotes();

    CalculatorWindows calculators_;
    ResultHistory* history_ = nullptr;
    PassingNote* copiedNote_ = nullptr;
};

} // namespace kelvora::ui
