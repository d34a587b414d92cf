#pragma once

// The roof calculator: a flat and a vaulted roof part, each with its area,
// heat-transfer coefficient and surface absorption, and the two air
// temperatures (copied from the room when the window is created). One compute
// writes the peak value into the room's txtq7max, then the average into its
// txtQ7, and hides the window.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora::ui {

class frmQ7 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ7(const CalculatorSite& site);

    QLabel* Label1 = nullptr;
    QLineEdit* txtdtmaibang = nullptr; // m², flat roof
    QLabel* Label3 = nullptr;
    QLineEdit* txthstnmaibang = nullptr; // W/m²K
    QLabel* Label5 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* txthshtmaibang = nullptr; // absorption, 0 to 1
    QLabel* Label2 = nullptr;
    QLineEdit* txtdtmaivom = nullptr; // m², vaulted roof
    QLabel* Label4 = nullptr;
    QLineEdit* txthstnmaivom = nullptr; // W/m²K
    QLabel* Label6 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* txthshtmaivom = nullptr; // absorption, 0 to 1
    QLabel* Label7 = nullptr;
    QLineEdit* txtnhietdotrong = nullptr; // °C
    QLabel* Label8 = nullptr;
    QLineEdit* txtnhietdongoai = nullptr; // °C
    QPushButton* cmdtinh = nullptr;

private:
    void Form_Load();
    void cmdtinh_Click();
};

} // namespace kelvora::ui
