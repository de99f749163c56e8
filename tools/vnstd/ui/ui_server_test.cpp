#include "ui_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class UiServerSecurity : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        // Each test process has a folder of its own, the library and a file beside it.
        root = fs::path(::testing::TempDir()) / ("vn_ui_" + std::to_string(::getpid()));
        lib = root / "lib";
        fs::create_directories(lib / "Texts");
        std::ofstream(lib / "Texts" / "a.txt") << "inside";
        std::ofstream(lib.parent_path() / "vn_ui_secret.txt") << "outside";
        session = std::make_unique<UiSession>(ScenarioPlace{lib.string(), lib.string()});
        session->source().publish();
        server = std::make_unique<UiServer>(*session, "t0ken");
        port = server->start(0);
        ASSERT_GT(port, 0);
        client = std::make_unique<httplib::Client>("127.0.0.1", port);
    }
    void TearDown() override {
        server->stop();
        session.reset();
        fs::remove_all(root);
        winResetForTests();
    }
    // Status of a request; `host` replaces the Host header.
    int status(const std::string& method, const std::string& path, const std::string& body = {},
               const std::string& host = {}) {
        httplib::Headers headers;
        if (!host.empty()) headers.emplace("Host", host);
        auto res = method == "GET" ? client->Get(path, headers)
                                   : client->Post(path, headers, body, "application/json");
        return res ? res->status : -1;
    }
    long version() { return session->source().state(0, std::chrono::milliseconds(0)).first; }

    fs::path root;
    fs::path lib;
    std::unique_ptr<UiSession> session;
    std::unique_ptr<UiServer> server;
    std::unique_ptr<httplib::Client> client;
    int port = 0;
};

const char* const kClick = R"({"kind":"click","id":1})";

TEST_F(UiServerSecurity, RequestsWithoutTheRightTokenOrHostAreRefusedAndChangeNothing) {
    const long before = version();
    EXPECT_EQ(status("GET", "/state"), 403);
    EXPECT_EQ(status("GET", "/?token=wrong"), 403);
    EXPECT_EQ(status("POST", "/event", kClick), 403);
    EXPECT_EQ(status("POST", "/event?token=wrong", kClick), 403);
    EXPECT_EQ(status("POST", "/run?name=formulas&token=wrong"), 403);
    EXPECT_EQ(status("POST", "/event?token=t0ken", kClick, "evil.example:80"), 403);
    EXPECT_EQ(status("GET", "/state?token=t0ken", {}, "127.0.0.1.evil.example"), 403);
    EXPECT_EQ(session->source().queued(), 0u);
    EXPECT_EQ(version(), before);
    EXPECT_EQ(status("GET", "/?token=t0ken"), 200);
    EXPECT_EQ(status("GET", "/state?token=t0ken", {}, "localhost:1234"), 200);
}

TEST_F(UiServerSecurity, OversizedBodiesAndFloodsOfEventsAreBounded) {
    std::string big(UiServer::kMaxBody + 1, ' ');
    EXPECT_EQ(status("POST", "/event?token=t0ken", big), 413);
    EXPECT_EQ(status("POST", "/event?token=t0ken", "{\"kind\":"), 400);
    EXPECT_EQ(session->source().queued(), 0u);
    // Within one second: the rate bound.
    auto now = EventRate::Clock::now();
    session->source().setClockForTests([&now] { return now; });
    for (size_t i = 0; i < LiveSource::kMaxPerSecond; ++i) {
        ASSERT_EQ(status("POST", "/event?token=t0ken", kClick), 200);
    }
    EXPECT_EQ(status("POST", "/event?token=t0ken", kClick), 429);
    EXPECT_EQ(session->source().queued(), LiveSource::kMaxPerSecond);
    // Slowly, but nobody takes them: the queue bound.
    for (size_t i = LiveSource::kMaxPerSecond; i < LiveSource::kMaxQueued; ++i) {
        now += std::chrono::seconds(1);
        ASSERT_EQ(status("POST", "/event?token=t0ken", kClick), 200);
    }
    now += std::chrono::seconds(5);
    EXPECT_EQ(status("POST", "/event?token=t0ken", kClick), 429);
    EXPECT_EQ(session->source().queued(), LiveSource::kMaxQueued);
}

TEST(EventRateBound, AtMostTheBoundInAnyOneSecondAndRefusalsAreNotCounted) {
    EventRate rate(3);
    const auto t0 = EventRate::Clock::now();
    using std::chrono::milliseconds;
    EXPECT_TRUE(rate.take(t0));
    EXPECT_TRUE(rate.take(t0 + milliseconds(400)));
    EXPECT_TRUE(rate.take(t0 + milliseconds(800)));
    EXPECT_FALSE(rate.take(t0 + milliseconds(900)));
    EXPECT_FALSE(rate.take(t0 + milliseconds(999)));
    EXPECT_TRUE(rate.take(t0 + milliseconds(1000)));  // the first left the window
    EXPECT_FALSE(rate.take(t0 + milliseconds(1300)));
    EXPECT_TRUE(rate.take(t0 + milliseconds(1400)));
}

TEST_F(UiServerSecurity, OnlyFilesBelowTheLibraryFolderCanBeRead) {
    auto res = client->Get("/library?token=t0ken&path=Texts/a.txt");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->body, "inside");
    EXPECT_EQ(status("GET", "/library?token=t0ken&path=../vn_ui_secret.txt"), 403);
    EXPECT_EQ(status("GET", "/library?token=t0ken&path=Texts/../../vn_ui_secret.txt"), 403);
    EXPECT_EQ(status("GET", "/library?token=t0ken&path=/etc/passwd"), 403);
    fs::create_symlink(lib.parent_path() / "vn_ui_secret.txt", lib / "link.txt");
    EXPECT_EQ(status("GET", "/library?token=t0ken&path=link.txt"), 403);
    EXPECT_EQ(status("GET", "/library?token=t0ken&path=Texts/none.txt"), 404);
}

TEST(UiHosts, OnlyLoopbackNamesPass) {
    EXPECT_TRUE(isLoopbackHost("127.0.0.1:8080"));
    EXPECT_TRUE(isLoopbackHost("localhost"));
    EXPECT_FALSE(isLoopbackHost("localhost.evil:80"));
    EXPECT_FALSE(isLoopbackHost(""));
    EXPECT_FALSE(isLoopbackHost("[::1]:80"));
}

}  // namespace
