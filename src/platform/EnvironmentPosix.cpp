#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Environment.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

class SystemEnvironment : public Environment {
  public:
    std::string Variable(const std::string& name) const override {
        const char* value = std::getenv(name.c_str());
        return value != nullptr ? value : "";
    }
    std::string CurrentFolder() const override {
        std::error_code error;
        const std::filesystem::path current = std::filesystem::current_path(error);
        return error ? std::string() : TextFromPath(current);
    }
    std::string ProgramFolder() const override {
        std::error_code error;
        const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", error);
        return error ? std::string() : TextFromPath(program.parent_path());
    }
    std::string KnownFolderPath(KnownFolder) const override { return {}; }
    std::optional<std::string> RegistryText(RegistryRoot, const std::string&, const std::string&,
                                            RegistryView) const override {
        return std::nullopt;
    }
    std::vector<std::string> RegistrySubkeys(RegistryRoot, const std::string&,
                                             RegistryView) const override {
        return {};
    }
};

}  // namespace

const Environment& RealEnvironment() {
    static const SystemEnvironment environment;
    return environment;
}

}  // namespace quillon
