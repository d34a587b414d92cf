#pragma once

// The room's air on the I-d chart: the outdoor and the indoor state as the
// main window holds them, redrawn whenever the room model changes. The model
// says where each side stands (and, where its values disagree, where the
// others put it); the chart draws that, and the line under it, which is also
// the window's description for a screen reader, says both states in words.
// The main window makes it when it is first asked for.

#include "ui/windows/OwnedWindow.h"

class QLabel;

namespace kelvora::room {
class RoomModel;
}

namespace kelvora::ui {

class IdChart;

class frmIdChart : public OwnedWindow {
    Q_OBJECT

public:
    frmIdChart(const room::RoomModel& room, QWidget* owner);

    IdChart* picIdChart = nullptr;
    QLabel* lblmota = nullptr;

private:
    void showRoom();

    const room::RoomModel& room_;
};

} // namespace kelvora::ui
