#pragma once
#include <QFont>
#include <QString>

namespace qorvane {

// The forms ask for Windows fonts; each request names the font first and then
// the CJK faces of a Linux desktop, so that Han and Latin glyphs come from one
// face wherever the first is missing.
QFont FontWithFallbacks(const QString& family, int pixelSize);

// 宋体 at the given character height.
QFont SongFont(int pixelSize);

}  // namespace qorvane
