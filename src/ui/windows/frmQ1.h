#pragma once

// The equipment calculator: counts of office machines and the power of the
// rest of the equipment in, Q1 in whole watts out, into the room's txtQ1. It
// reads nothing from the room and has no start-up step.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora::ui {

class frmQ1 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ1(const CalculatorSite& site);

    QLabel* Label2 = nullptr;
    QLineEdit* txtsomaytinh = nullptr; // computers
    QLabel* Label8 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtsomayfax = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* txtsomayin = nullptr; // printers
    QLabel* Label11 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtsomayphoto = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtsomayscan = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtsomaychieu = nullptr; // projectors
    QLabel* Label14 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txtcongsuatmaykhac = nullptr; // W, all other equipment
    QLabel* Label10 = nullptr;
    QPushButton* cmdtinh = nullptr;

private:
    void cmdtinh_Click();
};

} // namespace kelvora::ui
