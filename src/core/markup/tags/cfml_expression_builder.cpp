#include "core/markup/tags/cfml_expression_builder.h"

namespace markloom::tags {

const std::vector<CfmlOperator>& cfmlOperators() {
  static const std::vector<CfmlOperator> ops = {
      {"+", "+"},     {"-", "-"},       {"/", "/"},         {"*", "*"},       {"&&", "&"},      {"=", "="},
      {">", ">"},     {"<", "<"},       {"<>", "<>"},       {"not", "not"},   {"or", "or"},     {"and", "and"},
      {"xor", "xor"}, {"#..#", "#..#"}, {"'..'", "\"..\""}, {"(..)", "(..)"}, {"[..]", "[..]"},
  };
  return ops;
}

const std::vector<CfmlCategory>& cfmlCategories() {
  static const std::vector<CfmlCategory> categories = {
      {"Functions", "Arrays", "Extensions\\Cfml\\Functions\\arrays.cfx"},
      {"Functions", "Date and Time", "Extensions\\Cfml\\Functions\\date and time.cfx"},
      {"Functions", "Decision", "Extensions\\Cfml\\Functions\\decision.cfx"},
      {"Functions", "Display and Formatting", "Extensions\\Cfml\\Functions\\display and formatting.cfx"},
      {"Functions", "Dynamic Evaluation", "Extensions\\Cfml\\Functions\\dynamic evaluation.cfx"},
      {"Functions", "International", "Extensions\\Cfml\\Functions\\international.cfx"},
      {"Functions", "List", "Extensions\\Cfml\\Functions\\list.cfx"},
      {"Functions", "Mathematical", "Extensions\\Cfml\\Functions\\mathematical.cfx"},
      {"Functions", "Other", "Extensions\\Cfml\\Functions\\other.cfx"},
      {"Functions", "Query", "Extensions\\Cfml\\Functions\\query.cfx"},
      {"Functions", "String", "Extensions\\Cfml\\Functions\\string.cfx"},
      {"Functions", "Structures", "Extensions\\Cfml\\Functions\\structure.cfx"},
      {"Functions", "System Level", "Extensions\\Cfml\\Functions\\system level.cfx"},
      {"Constants", "Boolean", "Extensions\\Cfml\\Constants\\boolean.cfx"},
      {"Constants", "Regular Expressions", "Extensions\\Cfml\\Constants\\regular expressions.cfx"},
      {"Constants", "Date Formatting Masks", "Extensions\\Cfml\\Constants\\date formatting masks.cfx"},
      {"Constants", "Time Formatting Masks", "Extensions\\Cfml\\Constants\\time formatting masks.cfx"},
      {"Constants", "Number Formatting Masks", "Extensions\\Cfml\\Constants\\number formatting masks.cfx"},
      {"Operators", "Arithmetic Operators", "Extensions\\Cfml\\Operators\\arithmetic operators.cfx"},
      {"Operators", "Comparison Operators", "Extensions\\Cfml\\Operators\\comparison operators.cfx"},
      {"Operators", "Logical Operators", "Extensions\\Cfml\\Operators\\logical operators.cfx"},
  };
  return categories;
}

Markup cfmlExpressionMarkup(const CfmlExpressionFields& fields) { return block(fields.lines); }

}  // namespace markloom::tags
