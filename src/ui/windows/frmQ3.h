#pragma once

// The occupant calculator: adults (copied from the room's number of people
// when the window is created) and children, and the activity picked in a list
// whose entries carry the heat per person. A compute writes Q3 into the
// room's txtQ3 and hides the window; the compute stays disabled until the
// first pick.

#include "ui/windows/CalculatorWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora::ui {

class frmQ3 : public CalculatorWindow {
    Q_OBJECT

public:
    explicit frmQ3(const CalculatorSite& site);

    QLabel* songuoi = nullptr;
    QLineEdit* txtsonguoi = nullptr; // adults
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txttreem = nullptr; // children
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    QListWidget* lstloailaodong = nullptr; // activities, each with its W per person
    QLabel* Label6 = nullptr;
    QLineEdit* txtq = nullptr; // W per person of the picked activity, shown only
    QLabel* Label1 = nullptr;
    QPushButton* tinh = nullptr;

private:
    void Form_Load();
    void lstloailaodong_Click();
    void tinh_Click();

    // Writes the heat per person of the picked activity into txtq, and gives it.
    double showHeatPerPersonW(int row);
};

} // namespace kelvora::ui
