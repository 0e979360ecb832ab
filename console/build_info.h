// What this build is: the game's version and the system it was made for.
#pragma once

namespace ballotrek {

inline constexpr char kVersion[] = BALLOTREK_VERSION;

#if defined(_WIN32)
inline constexpr char kSystemName[] = "Windows";
#elif defined(__APPLE__)
inline constexpr char kSystemName[] = "macOS";
#elif defined(__EMSCRIPTEN__)  // which defines __unix__ as well
inline constexpr char kSystemName[] = "the Web";
#elif defined(__linux__)
inline constexpr char kSystemName[] = "Linux";
#elif defined(__FreeBSD__)
inline constexpr char kSystemName[] = "FreeBSD";
#elif defined(__OpenBSD__)
inline constexpr char kSystemName[] = "OpenBSD";
#elif defined(__NetBSD__)
inline constexpr char kSystemName[] = "NetBSD";
#else
inline constexpr char kSystemName[] = "Unix";
#endif

}  // namespace ballotrek
