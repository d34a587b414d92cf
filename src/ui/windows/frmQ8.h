#pragma once

// The floor calculator: the room's length and width and the two air
// temperatures (copied from the room when the window is created) in, Q8 in
// whole watts out, into the room's txtQ8; then the window hides.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora::ui {

class frmQ8 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ8(const CalculatorSite& site);

    QLabel* label1 = nullptr;
    QLineEdit* txtnhietdongoai = nullptr; // °C
    QLabel* Label2 = nullptr;
    QLineEdit* txtnhietdotrong = nullptr; // °C
    QLabel* Label3 = nullptr;
    QLineEdit* txtchieudai = nullptr; // m, length
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtchieurong = nullptr; // m, width
    QLabel* Label6 = nullptr;
    QPushButton* tinh = nullptr;

private:
    void Form_Load();
    void tinh_Click();
};

} // namespace kelvora::ui
