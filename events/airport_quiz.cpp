#include <array>
#include <string>

#include "console/console.h"
#include "events/answers.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

struct PresidentTerm {
  int firstYear;
  int lastYear;
  const char* key;
  const char* alternate;
};

// The years no row covers, such as the years of inaugurations, are never
// asked by year.
constexpr std::array<PresidentTerm, 39> PresidentTermTable = {{
    {1789, 1796, "georgewashington", nullptr},
    {1798, 1800, "johnadams", nullptr},
    {1802, 1808, "thomasjefferson", nullptr},
    {1810, 1816, "jamesmadison", nullptr},
    {1818, 1824, "jamesmonroe", nullptr},
    {1830, 1836, "andrewjackson", nullptr},
    {1842, 1844, "johntyler", nullptr},
    {1846, 1848, "jamespolk", nullptr},
    {1851, 1852, "millardfillmore", nullptr},
    {1854, 1856, "franklinpierce", nullptr},
    {1858, 1860, "jamesbuchanan", nullptr},
    {1862, 1864, "abrahamlincoln", "abelincoln"},
    {1866, 1868, "andrewjohnson", nullptr},
    {1870, 1876, "ulyssesgrant", nullptr},
    {1878, 1880, "rutherfordhayes", nullptr},
    {1882, 1884, "chesterarthur", nullptr},
    {1886, 1888, "grovercleveland", nullptr},
    {1890, 1892, "benjaminharrison", nullptr},
    {1894, 1896, "grovercleveland", nullptr},
    {1898, 1900, "williammckinley", nullptr},
    {1902, 1908, "theodoreroosevelt", "teddyroosevelt"},
    {1910, 1912, "williamtaft", nullptr},
    {1914, 1920, "woodrowwilson", nullptr},
    {1922, 1922, "warrenharding", nullptr},
    {1924, 1928, "calvincoolidge", nullptr},
    {1930, 1932, "herberthoover", nullptr},
    {1934, 1944, "franklinroosevelt", nullptr},
    {1946, 1952, "harrytruman", nullptr},
    {1954, 1960, "dwighteisenhower", nullptr},
    {1962, 1962, "johnkennedy", nullptr},
    {1964, 1968, "lyndonjohnson", nullptr},
    {1970, 1973, "richardnixon", nullptr},
    {1975, 1976, "geraldford", nullptr},
    {1978, 1980, "jimmycarter", "jamescarter"},
    {1982, 1988, "ronaldreagan", nullptr},
    {1990, 1992, "georgebush", nullptr},
    {1994, 2000, "williamclinton", "billclinton"},
    {2002, 2008, "georgebush", nullptr},
    {2010, 2012, "barackobama", nullptr},
}};

struct Inauguration {
  int year;
  const char* key;
  const char* alternate;
};

constexpr std::array<Inauguration, 40> InaugurationTable = {{
    {1789, "georgewashington", nullptr},            // 0
    {1797, "johnadams", nullptr},                   // 1
    {1801, "thomasjefferson", nullptr},             // 2
    {1809, "jamesmadison", nullptr},                // 3
    {1817, "jamesmonroe", nullptr},                 // 4
    {1829, "andrewjackson", nullptr},               // 5
    {1841, "johntyler", "williamharrison"},         // 6
    {1845, "jamespolk", nullptr},                   // 7
    {1849, "zacharytaylor", nullptr},               // 8
    {1850, "millardfillmore", nullptr},             // 9
    {1853, "franklinpierce", nullptr},              // 10
    {1857, "jamesbuchanan", nullptr},               // 11
    {1861, "abrahamlincoln", "abelincoln"},         // 12
    {1865, "andrewjohnson", nullptr},               // 13
    {1869, "ulyssesgrant", nullptr},                // 14
    {1877, "rutherfordhayes", nullptr},             // 15
    {1881, "chesterarthur", "jamesgarfield"},       // 16
    {1885, "grovercleveland", nullptr},             // 17
    {1889, "benjaminharrison", nullptr},            // 18
    {1893, "grovercleveland", nullptr},             // 19
    {1897, "williammckinley", nullptr},             // 20
    {1901, "theodoreroosevelt", "teddyroosevelt"},  // 21
    {1909, "williamtaft", nullptr},                 // 22
    {1913, "woodrowwilson", nullptr},               // 23
    {1921, "warrenharding", nullptr},               // 24
    {1923, "calvincoolidge", nullptr},              // 25
    {1929, "herberthoover", nullptr},               // 26
    {1933, "franklinroosevelt", nullptr},           // 27
    {1945, "harrytruman", nullptr},                 // 28
    {1953, "dwighteisenhower", nullptr},            // 29
    {1961, "johnkennedy", nullptr},                 // 30
    {1963, "lyndonjohnson", nullptr},               // 31
    {1969, "richardnixon", nullptr},                // 32
    {1974, "geraldford", nullptr},                  // 33
    {1977, "jimmycarter", "jamescarter"},           // 34
    {1981, "ronaldreagan", nullptr},                // 35
    {1989, "georgebush", nullptr},                  // 36
    {1993, "Williamclinton", "billclinton"},        // 37
    {2001, "georgebush", nullptr},                  // 38
    {2009, "barackobama", nullptr},                 // 39
}};

const PresidentTerm* TermOf(int year) {
  for (const PresidentTerm& term : PresidentTermTable) {
    if (year >= term.firstYear && year <= term.lastYear) return &term;
  }
  return nullptr;
}

void AskReporterQuestion() {
  if (SoundOn()) PlayClip("data\\prch.wav");
}

void ShoutQuestion() {
  GotoXY(1, 3);
  Write("A reporter is shouting a question at you at the airport, a state is at risk\n");
  Delay(500);
}

// First and last names typed as two words, joined.
std::string ReadPresidentName() {
  Write("Enter first name ");
  std::string answer = ReadWord();
  Write("Enter last name ");
  answer += ReadWord();
  DiscardPendingWords();  // a middle name must not answer the next quiz
  return answer;
}

bool Matches(const std::string& answer, const char* key, const char* alternate) {
  return SameAnswer(answer, key) || (alternate != nullptr && SameAnswer(answer, alternate));
}

void ReportOutcome(bool right) {
  JudgePlayersAnswer(right, "Oh sorry ");
  ShowStandingLine();
}

bool IsAskableYear(int year) {
  return TermOf(year) != nullptr;
}

}  // namespace

void AirportQuizByYear() {
  AskReporterQuestion();
  int year;
  do {
    year = Rand() % 224 + 1789;
  } while (!IsAskableYear(year));
  ShoutQuestion();
  Print("Who was the President in ", year, "(first and last names only)?  \n");
  const PresidentTerm& term = *TermOf(year);
  ReportOutcome(Matches(ReadPresidentName(), term.key, term.alternate));
}

void AirportQuizByInauguration() {
  AskReporterQuestion();
  const Inauguration& row = InaugurationTable[Rand() % 40];
  ShoutQuestion();
  Print("Who was inaugurated  President in ", row.year, "(first and last names only)?\n");
  ReportOutcome(Matches(ReadPresidentName(), row.key, row.alternate));
}

}  // namespace ballotrek
