#include "events/events.h"

namespace ballotrek {

// Arrives with its own change; until then this event does nothing.
void LandOnHazard(int /*position*/) {}
void TakeRestDay() {}

}  // namespace ballotrek
