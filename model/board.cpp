#include "model/board.h"

namespace ballotrek {

// Position 0 is where both jets wait before their first move; no move ends
// there again.
const std::array<BoardPosition, kBoardSize> BoardTable = {{
    {"null", PositionKind::Start, 0, 0.0f, 3},                    // 0
    {"Virginia", PositionKind::State, 13, 3.9f, 0},               // 1
    {"West Virginia", PositionKind::State, 5, 4.0f, 0},           // 2
    {"Maryland", PositionKind::State, 10, 5.0f, 0},               // 3
    {"Delaware", PositionKind::State, 3, 2.4f, 0},                // 4
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 5
    {"New Jersey", PositionKind::State, 14, 4.2f, 0},             // 6
    {"New York", PositionKind::TryState, 29, 2.9f, 0},            // 7
    {"Connecticut", PositionKind::State, 7, 3.5f, 0},             // 8
    {"Rhode Island", PositionKind::State, 4, 3.2f, 0},            // 9
    {"Atlantic", PositionKind::Atlantic, 0, 0.0f, 3},             // 10
    {"Massachusetts", PositionKind::State, 11, 3.3f, 0},          // 11
    {"Vermont", PositionKind::State, 3, 2.4f, 0},                 // 12
    {"New Hampshire", PositionKind::State, 4, 3.2f, 0},           // 13
    {"Maine", PositionKind::State, 4, 3.2f, 0},                   // 14
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 15
    {"Pennsylvania", PositionKind::State, 20, 2.0f, 0},           // 16
    {"Ohio", PositionKind::State, 18, 1.8f, 0},                   // 17
    {"Kentucky", PositionKind::State, 8, 4.0f, 0},                // 18
    {"Indiana", PositionKind::State, 11, 3.3f, 0},                // 19
    {"Michigan", PositionKind::State, 16, 4.8f, 0},               // 20
    {"Wisconsin", PositionKind::State, 10, 3.0f, 0},              // 21
    {"Blizzard", PositionKind::Blizzard, 0, 0.0f, 3},             // 22
    {"Illinois", PositionKind::State, 20, 2.0f, 0},               // 23
    {"Missouri", PositionKind::State, 10, 3.0f, 0},               // 24
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 25
    {"Iowa", PositionKind::State, 6, 3.0f, 0},                    // 26
    {"Minnesota", PositionKind::State, 10, 5.0f, 0},              // 27
    {"North Dakota", PositionKind::State, 3, 2.4f, 0},            // 28
    {"South Dakota", PositionKind::State, 3, 2.4f, 0},            // 29
    {"Nebraska", PositionKind::State, 5, 4.0f, 0},                // 30
    {"Kansas", PositionKind::State, 6, 3.0f, 0},                  // 31
    {"Colorado", PositionKind::State, 9, 4.5f, 0},                // 32
    {"Smoke Room", PositionKind::SmokeFilledRoom, 0, 0.0f, 3},    // 33
    {"Wyoming", PositionKind::State, 3, 2.4f, 0},                 // 34
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 35
    {"Montana", PositionKind::State, 3, 2.4f, 0},                 // 36
    {"Idaho", PositionKind::State, 4, 3.2f, 0},                   // 37
    {"Alaska", PositionKind::State, 3, 2.4f, 0},                  // 38
    {"Washington", PositionKind::State, 12, 3.6f, 0},             // 39
    {"Oregon", PositionKind::State, 7, 3.5f, 0},                  // 40
    {"California", PositionKind::TryState, 55, 5.5f, 0},          // 41
    {"Hawaii", PositionKind::State, 4, 3.2f, 0},                  // 42
    {"Nevada", PositionKind::State, 6, 4.8f, 0},                  // 43
    {"Utah", PositionKind::State, 6, 4.8f, 0},                    // 44
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 45
    {"Arizona", PositionKind::State, 11, 5.5f, 0},                // 46
    {"Conference", PositionKind::PressConference, 0, 0.0f, 3},    // 47
    {"New Mexico", PositionKind::State, 5, 4.0f, 0},              // 48
    {"Texas", PositionKind::TryState, 38, 3.8f, 0},               // 49
    {"Oklahoma", PositionKind::State, 7, 3.5f, 0},                // 50
    {"Arkansas", PositionKind::State, 6, 3.0f, 0},                // 51
    {"Louisiana", PositionKind::State, 8, 4.0f, 0},               // 52
    {"Mississippi", PositionKind::State, 6, 3.0f, 0},             // 53
    {"Tennessee", PositionKind::State, 11, 3.3f, 0},              // 54
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 55
    {"Alabama", PositionKind::State, 9, 4.5f, 0},                 // 56
    {"Florida", PositionKind::TryState, 29, 2.9f, 0},             // 57
    {"golf outing", PositionKind::GolfOuting, 0, 0.0f, 3},        // 58
    {"Georgia", PositionKind::State, 16, 4.8f, 0},                // 59
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 60
    {"South Carolina", PositionKind::State, 9, 4.5f, 0},          // 61
    {"North Carolina", PositionKind::State, 15, 4.5f, 0},         // 62
    {"Scandal", PositionKind::Scandal, 0, 0.0f, 3},               // 63
    {"the evening news", PositionKind::EveningNews, 0, 0.0f, 3},  // 64
    {"Washington DC", PositionKind::State, 3, 2.4f, 0},           // 65
}};

}  // namespace ballotrek
