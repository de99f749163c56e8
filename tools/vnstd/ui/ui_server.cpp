#include "ui_server.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>

#include "grid_file_io.h"

extern const char* const kUiPageHtml;

namespace {

namespace fs = std::filesystem;
constexpr auto kLongPoll = std::chrono::seconds(20);

void refuse(httplib::Response& res, int status, const std::string& why) {
    res.status = status;
    res.set_content(why + "\n", "text/plain");
}

bool allowed(const httplib::Request& req, const std::string& token) {
    if (!isLoopbackHost(req.get_header_value("Host"))) return false;
    if (token.empty()) return true;
    return req.get_param_value("token") == token || req.get_header_value("X-Token") == token;
}

}  // namespace

std::string makeUiToken() {
    std::random_device random;
    std::string token;
    const char* hex = "0123456789abcdef";
    for (int i = 0; i < 32; ++i) token.push_back(hex[random() % 16]);
    return token;
}

std::string uiAddress(int port, const std::string& token) {
    return "http://127.0.0.1:" + std::to_string(port) + "/" +
           (token.empty() ? std::string() : "?token=" + token);
}

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onUiInterrupt(int) {
    interrupted = true;
}

}  // namespace

void runUntilInterrupted(UiSession& session, const std::function<void()>& loop) {
    std::signal(SIGINT, onUiInterrupt);
    std::signal(SIGTERM, onUiInterrupt);
    std::atomic<bool> done{false};
    std::thread watcher([&session, &done] {
        while (!interrupted && !done) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        session.source().stop();
    });
    loop();
    done = true;
    watcher.join();
}

bool isLoopbackHost(const std::string& host) {
    std::string name =
        host.substr(0, host.rfind(':') == std::string::npos ? host.size() : host.rfind(':'));
    return name == "127.0.0.1" || name == "localhost";
}

std::string libraryFilePath(const std::string& libraryDir, const std::string& relative) {
    if (relative.empty() || relative.find('\0') != std::string::npos) return {};
    fs::path rel = fs::path(relative).lexically_normal();
    if (rel.is_absolute() || rel.empty() || *rel.begin() == "..") return {};
    std::error_code ec;
    fs::path base = fs::weakly_canonical(libraryDir, ec);
    fs::path full = fs::weakly_canonical(base / rel, ec);
    if (ec) return {};
    auto [b, f] = std::mismatch(base.begin(), base.end(), full.begin(), full.end());
    return b == base.end() ? full.string() : std::string();
}

UiServer::UiServer(UiSession& session, std::string token)
    : session_(session), token_(std::move(token)), server_(std::make_unique<httplib::Server>()) {
    server_->set_payload_max_length(kMaxBody);
    routes();
}

UiServer::~UiServer() {
    stop();
}

int UiServer::start(int port) {
    int bound = port == 0 ? server_->bind_to_any_port("127.0.0.1")
                          : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound < 0) return -1;
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    return bound;
}

void UiServer::stop() {
    if (server_) server_->stop();
    if (thread_.joinable()) thread_.join();
}

void UiServer::routes() {
    server_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        if (allowed(req, token_)) return httplib::Server::HandlerResponse::Unhandled;
        refuse(res, 403, "forbidden");
        return httplib::Server::HandlerResponse::Handled;
    });
    server_->Get("/", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(kUiPageHtml, "text/html; charset=utf-8");
    });
    server_->Get("/state", [this](const httplib::Request& req, httplib::Response& res) {
        long after = std::atol(req.get_param_value("after").c_str());
        auto [version, text] = session_.source().state(after, kLongPoll);
        res.set_content("{\"version\":" + std::to_string(version) +
                            ",\"state\":" + (text.empty() ? "null" : text) + "}",
                        "application/json");
    });
    server_->Post("/event", [this](const httplib::Request& req, httplib::Response& res) {
        std::string error;
        std::optional<PageEvent> event = parsePageEvent(req.body, error);
        if (!event) return refuse(res, 400, error);
        if (!session_.source().push(std::move(*event))) return refuse(res, 429, "too many events");
        res.set_content("{\"queued\":true}", "application/json");
    });
    server_->Post("/run", [this](const httplib::Request& req, httplib::Response& res) {
        if (!session_.request(req.get_param_value("name")))
            return refuse(res, 409, "no such scenario, or one is running");
        res.set_content("{\"started\":true}", "application/json");
    });
    server_->Get(R"(/bmp/(\d+))", [this](const httplib::Request& req, httplib::Response& res) {
        std::optional<std::string> file = session_.pictures().get(std::stoul(req.matches[1]));
        if (!file) return refuse(res, 404, "no such picture");
        res.set_content(*file, "image/bmp");
    });
    server_->Get("/library", [this](const httplib::Request& req, httplib::Response& res) {
        std::string path =
            libraryFilePath(session_.place().libraryDir, req.get_param_value("path"));
        if (path.empty()) return refuse(res, 403, "outside the library folder");
        std::optional<std::string> bytes = gridReadFile(path);
        if (!bytes) return refuse(res, 404, "no such file");
        res.set_content(*bytes, path.ends_with(".bmp") ? "image/bmp" : "application/octet-stream");
    });
}
