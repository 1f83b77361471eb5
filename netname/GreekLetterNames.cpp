#include "netname/GreekLetterNames.h"

namespace qorvane {

// Alpha to omega. Epsilon and eta both give e, omicron and omega both o.
constexpr std::array<ShortRecord, 24> GreekLetterNames = {
    ShortRecord::Of("a"),  ShortRecord::Of("b"),  ShortRecord::Of("g"),  ShortRecord::Of("d"),
    ShortRecord::Of("e"),  ShortRecord::Of("z"),  ShortRecord::Of("e"),  ShortRecord::Of("th"),
    ShortRecord::Of("i"),  ShortRecord::Of("k"),  ShortRecord::Of("l"),  ShortRecord::Of("m"),
    ShortRecord::Of("n"),  ShortRecord::Of("x"),  ShortRecord::Of("o"),  ShortRecord::Of("p"),
    ShortRecord::Of("r"),  ShortRecord::Of("s"),  ShortRecord::Of("t"),  ShortRecord::Of("u"),
    ShortRecord::Of("ph"), ShortRecord::Of("kh"), ShortRecord::Of("ps"), ShortRecord::Of("o"),
};

}  // namespace qorvane
