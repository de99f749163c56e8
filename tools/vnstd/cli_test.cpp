// Runs the built program as a person would and checks exit codes and where output goes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

RunResult runVnstd(const std::string& args, const std::string& env = "") {
    const std::string errFile =
        (std::filesystem::temp_directory_path() / ("vnstd_cli_test_" + std::to_string(getpid())))
            .string();
    const std::string command = env + " \"" VNSTD_EXE "\" " + args + " 2>\"" + errFile + "\"";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    std::stringstream ss;
    ss << err.rdbuf();
    result.err = ss.str();
    std::filesystem::remove(errFile);
    return result;
}

}  // namespace

TEST(VnstdProgram, HelpAndVersionPrintToStdoutAndSucceed) {
    RunResult help = runVnstd("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: vnstd"), std::string::npos);
    EXPECT_NE(help.out.find("--lib DIR"), std::string::npos);
    EXPECT_EQ(help.err, "");
    RunResult version = runVnstd("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("vnstd ", 0), 0u);
}

TEST(VnstdProgram, UsageErrorsExitWithTwoAndExplainOnStderr) {
    for (const char* args :
         {"--bogus", "frobnicate", "--lib", "--lib /no/such/folder eval", "--registry"}) {
        RunResult r = runVnstd(args);
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err.rfind("vnstd: ", 0), 0u) << args;
    }
}

TEST(VnstdProgram, BareRunIsTheMainJobAndFindsTheShippedLibrary) {
    RunResult r = runVnstd("", "VNSTD_LIB=");
    EXPECT_EQ(r.exitCode, 0) << r.err;
}

TEST(VnstdProgram, LibraryFromTheEnvironmentMustExist) {
    RunResult r = runVnstd("", "VNSTD_LIB=/no/such/folder");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("library folder"), std::string::npos);
}

TEST(VnstdProgram, RegistryFileIsCheckedAndNotWrittenWhenUnchanged) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("vnstd_cli_registry_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string untouched = (dir / "new.reg").string();
    EXPECT_EQ(runVnstd("--registry " + untouched).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(untouched));
    // The default file lives in the settings folder; a run leaves no file behind there either.
    EXPECT_EQ(runVnstd("", "VNSTD_SETTINGS=" + dir.string()).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.reg"));
    std::ofstream(dir / "bad.reg") << "not a registry file\n";
    RunResult bad = runVnstd("--registry " + (dir / "bad.reg").string());
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("registry file"), std::string::npos);
    std::filesystem::remove_all(dir);
}
