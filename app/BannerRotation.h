#pragma once
#include <QRect>
#include <string>
#include <string_view>
#include <vector>

#include "app/BannerList.h"
#include "app/platform/HttpGet.h"

class QTimer;

namespace qorvane {

class BrowserPane;

// Where the two banner panes lie in their panels, and where a hidden pane's
// top edge goes: far enough up that the pane lies wholly outside its panel
// and what is beneath shows instead. The main-area pane reaches past the
// right and bottom of its panel; only its top-left part shows.
inline constexpr QRect kMainPanePlace{186, 170, 612, 345};
inline constexpr QRect kTopPanePlace{-12, -16, 803, 107};
inline constexpr int kMainPaneHiddenTop = -1000;
inline constexpr int kTopPaneHiddenTop = -200;

// The start-up's downloads from `server` (host, or host:port): the list with
// one client, the flag page twice with another. An empty server downloads
// nothing, which leaves both panes off.
BannerStart DownloadBanners(const std::string& server, HttpGetLimits limits);

// Hides a pane for the rest of the run: the browser's own visibility goes off,
// then its top edge moves to `hiddenTop`.
void HideBannerPane(BrowserPane& pane, int hiddenTop);

// One timer tick of a pane: nothing while its switch is 0 (or it has no
// browser); otherwise it loads what StepBanner finds and sets the pane's timer
// to the line's interval, where 0 stops the timer for good.
void StepBannerPane(const std::vector<std::string>& lines, std::string_view type, int enabled, int& index,
                    BrowserPane* pane, QTimer& timer);

}  // namespace qorvane
