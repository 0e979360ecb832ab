#include "events/events.h"

namespace ballotrek {

// Arrives with its own change; until then this event does nothing.
void TransferStateToOpponent() {}
void GainUnclaimedStates(int /*count*/) {}

}  // namespace ballotrek
