#include "ComponentTable.h"

#include "Kelvora.h"
#include "frmQ1.h"
#include "frmQ2.h"
#include "frmQ3.h"
#include "frmQ4.h"
#include "frmQ5.h"
#include "frmQ6.h"
#include "frmQ7.h"
#include "frmQ8.h"

#include <array>

namespace kelvora::ui {

namespace {

template <class Calculator> CalculatorWindow* create(const CalculatorSite& site) {
    return new Calculator(site);
}

// The one place where a component joins the program.
const std::array componentRows = {
    ComponentRow{"Nhiệt do máy móc Q1", "Nhiệt do máy móc Q1", RoomCheck::Full, true,
                 &Kelvora::txtQ1, nullptr, create<frmQ1>},
    ComponentRow{"Nhệt do đèn chiếu sáng Q2", "Nhiệt do đèn chiếu sáng Q2", RoomCheck::Full, true,
                 &Kelvora::txtQ2, nullptr, create<frmQ2>},
    ComponentRow{"Nhiệt do người toả ra Q3", "Nhiệt do người toả ra Q3", RoomCheck::Full, false,
                 &Kelvora::txtQ3, nullptr, create<frmQ3>},
    ComponentRow{"Nhiệt do ro lọt không khí Q4", "Nhiệt do lọt không khí Q4", RoomCheck::Full,
                 false, &Kelvora::txtQ4, nullptr, create<frmQ4>},
    ComponentRow{"Nhiệt do bức xạ qua kính Q5", "Nhiệt do bức xạ qua kính Q5", RoomCheck::Full,
                 false, &Kelvora::txtQ5, &Kelvora::txtq5max, create<frmQ5>},
    ComponentRow{"Nhiệt do thâm nhập qua kết cấu bao che do chênh lệch nhiệt độ  Q6",
                 "Nhiệt do thâm nhập qua kết cấu bao che do chênh lệch nhiệt độ Q6",
                 RoomCheck::Short, false, &Kelvora::txtQ6, nullptr, create<frmQ6>},
    ComponentRow{"Nhiệt do bức xạ qua mái Q7", "Nhiệt do bức xạ qua mái Q7", RoomCheck::Short,
                 false, &Kelvora::txtQ7, &Kelvora::txtq7max, create<frmQ7>},
    ComponentRow{"Nhiệt do xâm nhập qua nền Q8", "Nhiệt do xâm nhập qua nền Q8", RoomCheck::Short,
                 false, &Kelvora::txtQ8, nullptr, create<frmQ8>},
};

} // namespace

std::span<const ComponentRow> components() {
    return componentRows;
}

} // namespace kelvora::ui
