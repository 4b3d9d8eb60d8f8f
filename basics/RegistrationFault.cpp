#include "basics/RegistrationFault.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

std::string RegisteredAt(const SourcePlace& where) {
  return std::string(where.file_name()) + ":" + std::to_string(where.line());
}

std::string ClassName(const std::type_info& type) {
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return status == 0 && name != nullptr ? name.get() : type.name();
}

void RegistrationFault(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::abort();
}
