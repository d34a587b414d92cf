#pragma once

// The lighting calculator: the floor area, copied from the room when the
// window is created, times a lighting standard of 10, 11 or 12 W/m². Any other
// standard is refused with a message. A successful compute writes Q2 into the
// room's txtQ2 and closes the window, so the next visit starts afresh.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora::ui {

class frmQ2 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ2(const CalculatorSite& site);

    QLabel* Label1 = nullptr;
    QLineEdit* txtdientich = nullptr; // m²
    QLabel* dv = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txttieuchuan = nullptr; // W/m²
    QLabel* Label3 = nullptr;
    QPushButton* tinh = nullptr;

private:
    void Form_Load();
    void txttieuchuan_Change();
    void tinh_Click();
};

} // namespace kelvora::ui
