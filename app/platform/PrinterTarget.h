#pragma once
#include <functional>
#include <memory>

#include <QPrinter>

namespace qorvane {

// Where printing goes: a fresh printer for each job. The program prints on
// the default printer; tests print into a PDF file.
using PrinterTarget = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer. With no printer installed Qt hands back a PDF
// printer without a file name, which the printing code refuses.
std::unique_ptr<QPrinter> DefaultPrinter();

}  // namespace qorvane
