// Shows what is typed into an edit field in upper case, as the analyzer reads it.
#pragma once

#include <QValidator>

class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};
