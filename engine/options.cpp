#include "engine/options.h"

#include <string_view>

#include "console/build_info.h"

namespace ballotrek {

constexpr char kUsage[] =
    "Usage: ballotrek [OPTION]\n"
    "Run for President of the United States against the computer.\n"
    "\n"
    "  -h, --help       show this help and exit\n"
    "  -v, --version    show the version and exit\n"
    "      --from-menu  start the game as the applications menu does: in the folder\n"
    "                   $XDG_DATA_HOME/ballotrek (~/.local/share/ballotrek by default)\n"
    "\n"
    "With no option the game starts; it needs a terminal of 80 columns by 25 rows.\n"
    "A frozen game is kept in bkt.dat in the folder the game is started in.\n";

int HandleOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  if (argc <= 1) return kPlayTheGame;
  const std::string_view option = argv[1];
  const bool help = option == "-h" || option == "--help";
  const bool version = option == "-v" || option == "--version";
  const bool fromMenu = option == "--from-menu";
  if (fromMenu && argc == 2) return kPlayFromMenu;
  if ((help || version) && argc == 2) {
    if (help) out << kUsage;
    if (version) out << "ballotrek " << kVersion << '\n';
    return 0;
  }
  const std::string_view wrong = help || version || fromMenu ? argv[2] : option;
  err << "ballotrek: " << (wrong.starts_with('-') ? "unknown option" : "unexpected argument")
      << " '" << wrong << "'\n"
      << "Try 'ballotrek --help' for more information.\n";
  return 2;
}

}  // namespace ballotrek
