#include "core/common/error.h"

namespace markloom {

Error cannotOpenFile(const std::string& path) { return Error("Cannot open file " + path); }
Error cannotCreateFile(const std::string& path) { return Error("Cannot create file " + path); }
Error cannotCreateFile(const std::string& path, const std::string& reason) {
  return Error("Cannot create file " + path + ": " + reason);
}
Error notAValidInteger(const std::string& value) { return Error("'" + value + "' is not a valid integer value"); }
Error invalidDataType(const std::string& valueName) { return Error("Invalid data type for '" + valueName + "'"); }

}  // namespace markloom
