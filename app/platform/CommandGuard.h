#pragma once
#include <QString>
#include <functional>

namespace qorvane {

// Runs one command of a window. SilentAbort ends it without a word; any other
// exception becomes the general error report. Nothing escapes into Qt's event
// loop, which must never see an exception.
void RunCommand(const std::function<void()>& body) noexcept;

// The general error report: a critical message box with the error text, also
// written to standard error.
void ReportError(const QString& text);

// While a sink is set, ReportError hands its text to the sink (standard error
// still gets it) instead of opening a box. {} clears it.
void SetErrorReportSinkForTesting(std::function<void(const QString&)> sink);

}  // namespace qorvane
