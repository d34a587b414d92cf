#pragma once

// The envelope calculator: area, heat-transfer coefficient and
// temperature-difference coefficient of the four walls, the glazing, the
// ceiling, the floor and the door. Each compute reads the two air
// temperatures from the room as they are at that moment, writes Q6 into the
// room's txtQ6 and hides the window. It has no start-up step.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora::ui {

class frmQ6 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ6(const CalculatorSite& site);

    // Column headings, one element each.
    QLabel* Label4 = nullptr;  // east wall
    QLabel* Label6 = nullptr;  // west wall
    QLabel* Label7 = nullptr;  // south wall
    QLabel* Label8 = nullptr;  // north wall
    QLabel* Label11 = nullptr; // glazing
    QLabel* Label9 = nullptr;  // ceiling
    QLabel* Label10 = nullptr; // floor
    QLabel* Label12 = nullptr; // door

    // Areas, m².
    QLabel* Label1 = nullptr;
    QLineEdit* txtdtdong = nullptr;
    QLineEdit* txtdttay = nullptr;
    QLineEdit* txtdtnam = nullptr;
    QLineEdit* txtdtbac = nullptr;
    QLineEdit* txtdtkinh = nullptr;
    QLineEdit* txtdttran = nullptr;
    QLineEdit* txtdtsan = nullptr;
    QLineEdit* txtdtcua = nullptr;

    // Heat-transfer coefficients, W/m²K.
    QLabel* Label2 = nullptr;
    QLineEdit* txthstnDong = nullptr;
    QLineEdit* txthstntay = nullptr;
    QLineEdit* txthstnnam = nullptr;
    QLineEdit* txthstnbac = nullptr;
    QLineEdit* txthstnkinh = nullptr;
    QLineEdit* txthstntran = nullptr;
    QLineEdit* txthstnsan = nullptr;
    QLineEdit* txthstncua = nullptr;

    // Temperature-difference coefficients.
    QLabel* Label3 = nullptr;
    QLineEdit* txthsnddong = nullptr;
    QLineEdit* txthsndtay = nullptr;
    QLineEdit* txthsndnam = nullptr;
    QLineEdit* txthsndbac = nullptr;
    QLineEdit* txthsndkinh = nullptr;
    QLineEdit* txthsndtran = nullptr;
    QLineEdit* txthsndsan = nullptr;
    QLineEdit* txthsndcua = nullptr;

    QPushButton* cmdtinh = nullptr;

private:
    void cmdtinh_Click();
};

} // namespace kelvora::ui
