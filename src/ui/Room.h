#pragma once

// What a calculator may do with the room, and nothing more. A calculator
// reads the texts of the few room fields it copies at creation or reads at a
// compute, may be told when one of them changes, and writes its results back
// through one write that rounds them to whole watts, handing over with each
// result its working and the room values it was computed with. The main
// window implements this; a test can put a room of its own in its place.

#include "core/Worked.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

class QObject;

namespace kelvora::ui {

// The room fields a calculator may read, by what they hold.
enum class RoomValue {
    AreaM2,
    People,
    OutdoorC,
    IndoorC,
    OutdoorEnthalpyKJPerKg,
    IndoorEnthalpyKJPerKg,
};

// The numbers a result was computed with, by the room field they came from,
// whether copied at the calculator's creation or read at the compute.
using RoomValuesUsed = std::vector<std::pair<RoomValue, double>>;

// A calculator's copy of a room value that the user has since typed over: the
// result used the user's own number, which the room no longer bears on.
struct TypedOver {
    RoomValue value;
    double number;
};

// What a result was computed with besides its window's own inputs.
struct ResultInputs {
    RoomValuesUsed fromRoom; // read at the compute, or copied and kept as copied
    std::vector<TypedOver> typedOver;
};

enum class ResultKind {
    Average, // every component's result
    Peak,    // the glazing's and the roof's peak value
};

class Room {
public:
    virtual ~Room() = default;

    // The field's text as it stands, unparsed.
    [[nodiscard]] virtual QString text(RoomValue value) const = 0;

    // Calls changed after every change of the field's text, for as long as
    // context lives.
    virtual void watch(RoomValue value, const QObject* context, std::function<void()> changed) = 0;

    // Writes a result of the component at this entry of the components' table,
    // rounded half to even to whole watts, over the text its field held, and
    // keeps how it came about. The caller has passed it through the fault check.
    virtual void writeResultW(std::size_t entry, ResultKind kind, const Worked& result,
                              const ResultInputs& inputs) = 0;

protected:
    Room() = default;
    Room(const Room&) = default;
    Room& operator=(const Room&) = default;
};

} // namespace kelvora::ui
