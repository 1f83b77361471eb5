#include "app/platform/Fonts.h"

#include <QStringList>

namespace qorvane {

QFont FontWithFallbacks(const QString& family, int pixelSize) {
  QFont font;
  QStringList families{family};
  for (const char* fallback : {"SimSun", "宋体", "WenQuanYi Micro Hei", "Noto Sans CJK SC"}) {
    if (family != QLatin1String(fallback)) families << QString::fromUtf8(fallback);
  }
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}

QFont SongFont(int pixelSize) { return FontWithFallbacks(QStringLiteral("SimSun"), pixelSize); }

}  // namespace qorvane
