#pragma once

// The main window: a view of the room model, and the way to the calculators.
// Its input fields show the room and its air; its result fields, laid out
// from the components' table, show the components, the peaks of the glazing
// and the roof, and the two totals. Whatever the user types goes to the
// model, which the calculators read from and hand their results to; Compute
// and Clear are the model's, and the fields show what the model then holds
// and says. Picking an entry of the component list runs the dispatch, which
// checks that the air conditions are filled in and shows the entry's
// calculator while hiding the others. Sao chép hands the model to a
// RoomReport, which puts the room on the clipboard as tables, and leaves a
// passing note at the button that it did. The I-d chart is a window of its
// own, made when first asked for.

#include "ui/windows/CalculatorWindows.h"
#include "ui/windows/frmIdChart.h"

#include <QPointer>
#include <QWidget>

class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora {

namespace room {
class RoomModel;
}

namespace ui {

class PassingNote;
class RoomView;

class Kelvora : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Window")

public:
    explicit Kelvora(QWidget* parent = nullptr);
    ~Kelvora() override;
    Kelvora(const Kelvora&) = delete;
    Kelvora& operator=(const Kelvora&) = delete;

    [[nodiscard]] const CalculatorWindows& calculators() const { return calculators_; }
    [[nodiscard]] const room::RoomModel& model() const { return *model_; }
    // The I-d chart's window as it exists now, or nullptr.
    [[nodiscard]] frmIdChart* chart() const { return chart_; }

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

    // Each side's moisture content and enthalpy, filled in from its
    // temperature and humidity when asked.
    QPushButton* cmddienngoai = nullptr;
    QPushButton* cmddientrong = nullptr;

    QLabel* CHONLOAINHIETTHUA = nullptr;
    QListWidget* loaiQ = nullptr;

    // The results, all in W. The components' fields and their captions are
    // made from the components' table; these name the ones the tab order does.
    QGroupBox* Frame1 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* txtQ1 = nullptr;
    QLineEdit* txtQ2 = nullptr;
    QLineEdit* txtQ3 = nullptr;
    QLineEdit* txtQ4 = nullptr;
    QLineEdit* txtQ5 = nullptr;
    QLineEdit* txtQ6 = nullptr;
    QLineEdit* txtQ7 = nullptr;
    QLineEdit* txtQ8 = nullptr;
    QLabel* tongnhietthua = nullptr;
    QLineEdit* txtQtong = nullptr;
    QLineEdit* txtq5max = nullptr;
    QLineEdit* txtq7max = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* txtqtongmax = nullptr;

    // The unit the maximum total asks for.
    QLabel* lblchonmay = nullptr;
    QLineEdit* txtchonmay = nullptr;

    QPushButton* tinh = nullptr;
    QPushButton* cmdxoa = nullptr;
    QPushButton* cmdthoat = nullptr;
    QPushButton* cmdsaochep = nullptr;
    QPushButton* cmdbieudo = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tinh_Click();
    void cmdxoa_Click();
    void cmdthoat_Click();
    void loaiQ_Click();
    void cmdsaochep_Click();
    void cmdbieudo_Click();

    void buildRoom();
    void buildResults();
    [[nodiscard]] QLineEdit* resultField(const char* name) const;
    void showNotes();

    room::RoomModel* model_;
    RoomView* view_;
    CalculatorWindows calculators_;
    PassingNote* copiedNote_ = nullptr;
    QPointer<frmIdChart> chart_; // made when first asked for
};

} // namespace ui

} // namespace kelvora
