#pragma once

// The infiltration calculator: the room's volume and the enthalpies of the
// outdoor and the indoor air (copied from the room when the window is
// created) in, Q4 in whole watts out, into the room's txtQ4. The compute
// stays disabled until the volume is first changed.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora::ui {

class frmQ4 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ4(const CalculatorSite& site);

    QLabel* Label1 = nullptr;
    QLineEdit* txtenthanpyngoai = nullptr; // kJ per kg of dry air
    QLabel* Label10 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtenthanpytrong = nullptr; // kJ per kg of dry air
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtthetichphong = nullptr; // m³
    QLabel* Label11 = nullptr;
    QPushButton* tinh = nullptr;

private:
    void Form_Load();
    void txtthetichphong_Change();
    void tinh_Click();
};

} // namespace kelvora::ui
