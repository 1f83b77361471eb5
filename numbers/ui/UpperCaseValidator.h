#pragma once
#include <QValidator>

namespace qorvane {

// Shows whatever reaches an edit in upper case, as the number edits do with
// pasted letters. Every text is acceptable; only its case changes.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace qorvane
