#include "events/events.h"

namespace ballotrek {

// Arrives with its own change; until then this event does nothing.
void PlayerLandsOnState(int /*position*/, float /*price*/) {}
void ComputerLandsOnState(int /*position*/, float /*price*/) {}
void ThinkAloud() {}

}  // namespace ballotrek
