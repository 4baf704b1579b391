#pragma once

// The reference tables of the equation of state (CSV files in REFERENCE_DIR), read by
// column name. Plain C++, for the equation-of-state tests and the window tests alike.
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace Reference {

// One line of a table: each field as the file writes it (to be typed into a window
// exactly so) and as a number.
struct Row {
  std::map<std::string, std::string> fields;
  const std::string& Text(const std::string& column) const { return fields.at(column); }
  double operator[](const std::string& column) const { return std::stod(fields.at(column)); }
};

// Every line after the header of a table such as "eos-grid.csv"; a missing file throws.
inline std::vector<Row> Table(const std::string& name) {
  std::ifstream in(std::string(REFERENCE_DIR) + "/" + name);
  if (!in) throw std::runtime_error("cannot read " + std::string(REFERENCE_DIR) + "/" + name);
  std::string line, field;
  std::vector<std::string> columns;
  std::getline(in, line);
  for (std::stringstream header(line); std::getline(header, field, ',');) columns.push_back(field);
  std::vector<Row> rows;
  while (std::getline(in, line)) {
    std::stringstream fields(line);
    Row& row = rows.emplace_back();
    for (const std::string& column : columns) std::getline(fields, row.fields[column], ',');
  }
  return rows;
}

}  // namespace Reference
