#include "RoomSnapshot.h"

#include "Kelvora.h"

#include <QLineEdit>

namespace kelvora::ui {

void copyAirTemperatures(const Kelvora& room, QLineEdit* indoor, QLineEdit* outdoor) {
    indoor->setText(room.txtnhietdotrong->text());
    outdoor->setText(room.txtnhietdongoai->text());
}

} // namespace kelvora::ui
