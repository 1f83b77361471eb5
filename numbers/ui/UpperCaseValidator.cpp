#include "numbers/ui/UpperCaseValidator.h"

namespace qorvane {

QValidator::State UpperCaseValidator::validate(QString& input, int& /*position*/) const {
  input = input.toUpper();
  return Acceptable;
}

}  // namespace qorvane
