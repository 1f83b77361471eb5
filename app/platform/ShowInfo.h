#pragma once
#include <QString>
#include <functional>

namespace qorvane {

// The information box of the whole program: caption "提示", an OK button and
// the information icon, modal over the program's windows.
void ShowInfo(const QString& text);

// While a sink is set, ShowInfo hands its text to the sink instead of opening
// a box, so that tests can read the message without a modal loop. {} clears it.
void SetShowInfoSinkForTesting(std::function<void(const QString&)> sink);

}  // namespace qorvane
