// vnstd comreg register|cleanup|print [--module-dir DIR]: the sibling COM module's registry
// entries in the registry file (--registry), and the identifier listing.
//
// The module's folder (where "Olex.arx" must lie for registering, and where
// "RegistryIDs.dat" is written) is --module-dir DIR, else the program's own folder.
// register prints every value it wrote, cleanup every key it removed, print the class
// declarations; messages go to stderr.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "com_print.h"
#include "com_registration.h"
#include "command_line.h"
#include "commands.h"
#include "file_ops.h"
#include "module_file.h"
#include "path_translation.h"
#include "registry.h"

namespace {

const char* const kComregUsage = "usage: vnstd comreg register|cleanup|print [--module-dir DIR]\n";

std::string registryKeyText(const Ktx_String& key) {
    return "HKEY_CLASSES_ROOT\\" + key.str();
}

// The default value of a key below HKEY_CLASSES_ROOT without its zero ("" when it has none);
// nullopt when the key is absent.
std::optional<std::string> storedValue(const Ktx_String& key) {
    HKEY h = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0, type = 0;
    std::string value;
    if (RegQueryValueEx(h, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        value.resize(size);
        RegQueryValueEx(h, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
        if (!value.empty() && value.back() == '\0') value.pop_back();
    }
    RegCloseKey(h);
    return value;
}

int registerEntries(const CliContext& context) {
    const Ktx_String server = olexModulePath();
    const Acad::ErrorStatus result = SSregisterOpmCLSIDs();
    if (result != Acad::eOk && !ObjectExportFileExists(server))
        return cliFailure(context, "registration refused: no " + hostPath(server));
    for (const VnComRegistryValue& v : comRegistryValues(buildComClassList(), server)) {
        const auto stored = storedValue(v.key);
        if (stored && *stored == v.value.str())
            std::fprintf(context.out, "%s = \"%s\"\n", registryKeyText(v.key).c_str(),
                         v.value.c_str());
    }
    if (result != Acad::eOk)
        return cliFailure(context, "some entries could not be written (error " +
                                       std::to_string(GetLastError()) + ")");
    return 0;
}

int cleanupEntries(const CliContext& context) {
    const Ktx_StringArray roots = comRegistryRoots(buildComClassList());
    std::vector<bool> present;
    for (const Ktx_String& key : roots) present.push_back(storedValue(key).has_value());
    const Acad::ErrorStatus result = SScleanupComRegistry();
    for (int i = 0; i < roots.length(); ++i) {
        if (present[static_cast<size_t>(i)] && !storedValue(roots[i]))
            std::fprintf(context.out, "removed %s\n", registryKeyText(roots[i]).c_str());
    }
    if (result != Acad::eOk) return cliFailure(context, "some keys could not be removed");
    return 0;
}

int printIdentifiers(const CliContext& context) {
    acadSetCommandLineEcho(nullptr);  // the declarations are this command's own output
    acadClearCommandLine();
    SSprintCLSIDs();
    std::string printed = acadCommandLineText();
    acadSetCommandLineEcho(context.err);
    const Ktx_String file = moduleFolder() + "RegistryIDs.dat";
    const std::size_t failure = printed.find("\nCould not write ");
    if (failure != std::string::npos) printed.erase(failure);
    if (printed.starts_with("\n")) printed.erase(0, 1);
    std::fprintf(context.out, "%s\n", printed.c_str());
    if (failure != std::string::npos) return cliFailure(context, "cannot write " + hostPath(file));
    std::fprintf(context.err, "vnstd: wrote %s\n", hostPath(file).c_str());
    return 0;
}

}  // namespace

std::string comregUsage(const std::vector<std::string>&) {
    return kComregUsage;
}

int runComregCommand(const CliContext& context, const std::vector<std::string>& args) {
    std::string action, folder = std::filesystem::path(context.exePath).parent_path().string();
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--module-dir" && i + 1 < args.size()) {
            folder = args[++i];
        } else if (args[i] == "--help" || args[i] == "-h") {
            return std::fputs(kComregUsage, context.out) < 0 ? 1 : 0;
        } else if (action.empty() && !args[i].starts_with("-")) {
            action = args[i];
        } else {
            return cliUsageError(context, "comreg: unexpected argument '" + args[i] + "'");
        }
    }
    if (folder.empty() || !std::filesystem::is_directory(folder))
        return cliUsageError(context, "comreg: no module folder '" + folder + "'");
    moduleFileSetFolder(windowsPathFromHost(std::filesystem::absolute(folder).string()).str());
    if (action == "register") return registerEntries(context);
    if (action == "cleanup") return cleanupEntries(context);
    if (action == "print") return printIdentifiers(context);
    return cliUsageError(context, "comreg: give register, cleanup or print");
}
