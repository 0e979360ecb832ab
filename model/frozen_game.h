// The frozen game: bkt.dat in the working directory.
#pragma once

namespace ballotrek {

inline constexpr const char* kFrozenGameFile = "bkt.dat";

void FreezeGame();
void OfferResume();
void DeleteFrozenGame();

}  // namespace ballotrek
