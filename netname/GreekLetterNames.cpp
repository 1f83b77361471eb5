#include "netname/GreekLetterNames.h"

namespace qorvane {

// Alpha to omega. Epsilon and eta both give e, omicron and omega both o.
constexpr std::array<ShortRecord, 24> GreekLetterNames = {
    MakeShortRecord("a"),  MakeShortRecord("b"),  MakeShortRecord("g"),  MakeShortRecord("d"),
    MakeShortRecord("e"),  MakeShortRecord("z"),  MakeShortRecord("e"),  MakeShortRecord("th"),
    MakeShortRecord("i"),  MakeShortRecord("k"),  MakeShortRecord("l"),  MakeShortRecord("m"),
    MakeShortRecord("n"),  MakeShortRecord("x"),  MakeShortRecord("o"),  MakeShortRecord("p"),
    MakeShortRecord("r"),  MakeShortRecord("s"),  MakeShortRecord("t"),  MakeShortRecord("u"),
    MakeShortRecord("ph"), MakeShortRecord("kh"), MakeShortRecord("ps"), MakeShortRecord("o"),
};

}  // namespace qorvane
