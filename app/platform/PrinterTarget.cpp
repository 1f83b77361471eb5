#include "app/platform/PrinterTarget.h"

#include <QPrinter>

namespace qorvane {

std::unique_ptr<QPrinter> DefaultPrinter() { return std::make_unique<QPrinter>(QPrinter::HighResolution); }

}  // namespace qorvane
