#include "model/frozen_game.h"

#include <filesystem>
#include <system_error>

namespace ballotrek {

// Freezing and resuming arrive with their own change; until then F at the
// take-off prompt returns to the prompt and no frozen game is offered.
void FreezeGame() {}
void OfferResume() {}

void DeleteFrozenGame() {
  std::error_code ignored;  // an absent file is no error, and nothing is reported
  std::filesystem::remove(kFrozenGameFile, ignored);
}

}  // namespace ballotrek
