#pragma once
// Errors reported through the standard error box. They are raised where the
// failure arises, carry the user-facing message text, and are caught once at
// the command boundary, which shows them and keeps the program running.
#include <stdexcept>
#include <string>

namespace markloom {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The fixed message forms.
Error cannotOpenFile(const std::string& path);    // "Cannot open file %s"
Error cannotCreateFile(const std::string& path);  // "Cannot create file %s"
// "Cannot create file %s: <reason>", the reason as the system words it.
Error cannotCreateFile(const std::string& path, const std::string& reason);
Error notAValidInteger(const std::string& value);     // "'%s' is not a valid integer value"
Error invalidDataType(const std::string& valueName);  // "Invalid data type for '%s'"

}  // namespace markloom
