#pragma once

// The glazing calculator: glass areas and radiation intensities by
// orientation, and four glass coefficients picked from lists (each pick
// writes its value into the field beside the list, where it may be edited).
// The compute writes the peak Q5 into the room's txtq5max, then the average
// into txtQ5, and hides the window. It reads nothing from the room; "Tính"
// waits for a first pick in the refraction list.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora::ui {

class frmQ5 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ5(const CalculatorSite& site);

    // The widest of the calculators: the main window opens with room for it beside.
    static constexpr int insideWidthTw = 11085;
    static constexpr int insideHeightTw = 4920;

    // Column headings.
    QLabel* Label4 = nullptr;  // east
    QLabel* Label18 = nullptr; // west
    QLabel* Label23 = nullptr; // south
    QLabel* Label8 = nullptr;  // north
    QLabel* Label7 = nullptr;  // north-east
    QLabel* Label6 = nullptr;  // south-east
    QLabel* Label5 = nullptr;  // north-west
    QLabel* Label9 = nullptr;  // south-west

    // Glass areas, m², in the order of the headings.
    QLabel* Label3 = nullptr;
    QLineEdit* txtdong = nullptr;
    QLineEdit* txttay = nullptr;
    QLineEdit* txtnam = nullptr;
    QLineEdit* txtbac = nullptr;
    QLineEdit* txtdb = nullptr;
    QLineEdit* xtdn = nullptr;
    QLineEdit* txttb = nullptr;
    QLineEdit* txttn = nullptr;

    // Hours of maximum radiation, for reference.
    QLabel* Label12 = nullptr;
    QLineEdit* Text17 = nullptr;
    QLineEdit* Text15 = nullptr;
    QLineEdit* Text16 = nullptr;
    QLineEdit* Text14 = nullptr;
    QLineEdit* Text13 = nullptr;
    QLineEdit* Text12 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;

    // Average intensities, W/m².
    QLabel* Label17 = nullptr;
    QLineEdit* txttbd = nullptr;
    QLineEdit* txttbt = nullptr;
    QLineEdit* txttbn = nullptr;
    QLineEdit* txttbb = nullptr;
    QLineEdit* txttbdb = nullptr;
    QLineEdit* txttbdn = nullptr;
    QLineEdit* txttbtb = nullptr;
    QLineEdit* txttbtn = nullptr;

    // Maximum intensities, W/m².
    QLabel* Label14 = nullptr;
    QLineEdit* txtcdbxD = nullptr;
    QLineEdit* txtcdbxT = nullptr;
    QLineEdit* txtcdbxN = nullptr;
    QLineEdit* txtcdbxB = nullptr;
    QLineEdit* txtcdbxdb = nullptr;
    QLineEdit* txtcdbxdn = nullptr;
    QLineEdit* txtcdbxtb = nullptr;
    QLineEdit* txtcdbxtn = nullptr;

    // The glass coefficients: caption, list, value label, value.
    QLabel* Label1 = nullptr;
    QListWidget* lsthstrongsuot = nullptr;
    QLabel* Label19 = nullptr;
    QLineEdit* txthstrongsuot = nullptr; // τ, transparency
    QLabel* Label2 = nullptr;
    QListWidget* lsthsbamban = nullptr;
    QLabel* Label20 = nullptr;
    QLineEdit* txthsbamban = nullptr; // b, soiling
    QLabel* Label15 = nullptr;
    QListWidget* lsthskhucxa = nullptr;
    QLabel* Label21 = nullptr;
    QLineEdit* txthskhucxa = nullptr; // k, refraction
    QLabel* Label16 = nullptr;
    QListWidget* lsthstanxa = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* txthstanxa = nullptr; // c, shading

    QPushButton* tinh = nullptr;

private:
    void buildCoefficients();

    void Form_Load();
    void lsthstrongsuot_Click();
    void lsthsbamban_Click();
    void lsthskhucxa_Click();
    void lsthstanxa_Click();
    void tinh_Click();
};

} // namespace kelvora::ui
