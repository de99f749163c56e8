#pragma once
// UiServer: the HTTP side of `vnstd ui`, on 127.0.0.1 only. Every request needs the token
// (query "token" or header "X-Token") and a Host header naming 127.0.0.1 or localhost, else
// 403. Bodies are bounded (kMaxBody), and so is the rate of events (the live source's queue).
// Routes:
//   GET  /                 the page
//   GET  /state?after=V    the state, once its version is newer than V (long poll, 20 s)
//   POST /event            one event of the person (JSON, see page_event.h)
//   POST /run?name=S       starts scenario S
//   GET  /bmp/N            picture N as a BMP file
//   GET  /library?path=P   a file of the library folder (only below it)
// Server threads read the published state and pictures, and queue events; nothing else.
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "ui_session.h"

namespace httplib {
class Server;
}

class UiServer {
  public:
    static constexpr size_t kMaxBody = 64 * 1024;

    // An empty token switches the token check off (--no-token).
    UiServer(UiSession& session, std::string token);
    ~UiServer();
    // Listens on 127.0.0.1:port (0: a free port) in a thread of its own; the port, or -1.
    int start(int port);
    void stop();

  private:
    void routes();
    UiSession& session_;
    std::string token_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
};

// A random token of 32 hex digits.
std::string makeUiToken();
// The address a person opens: the page on 127.0.0.1:port, with the token when there is one.
std::string uiAddress(int port, const std::string& token);
// Runs `loop` (the session's dialogs) while a watcher stops the session when the process is
// interrupted (SIGINT, SIGTERM); returns when the loop ends.
void runUntilInterrupted(UiSession& session, const std::function<void()>& loop);
// Whether the Host header names this machine's loopback (with or without a port).
bool isLoopbackHost(const std::string& host);
// The host path of `relative` below the library folder; empty when it leaves it.
std::string libraryFilePath(const std::string& libraryDir, const std::string& relative);
