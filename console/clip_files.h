// Where the clip files are. The game names each clip as "data\anth.wav";
// the file is looked for in the working folder first, then in the folder of
// clips installed with the game.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ballotrek {

// The folder of clips installed with the game; empty when there is none.
void SetInstalledClipFolder(std::filesystem::path folder);

// The file that plays the clip, or an empty string when neither folder has it.
std::string FindClipFile(std::string_view clip);

}  // namespace ballotrek
