// A real HTTP server on 127.0.0.1 for the tests of the web requests: it runs on a thread of
// its own from construction to destruction, records the request line of every request, and
// answers each as the test's responder says, or not at all.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class HttpTestServer {
 public:
  struct Answer {
    enum class Kind { Reply, CloseWithoutAnswer, KeepWaiting };
    Kind kind = Kind::Reply;
    int status = 200;
    std::string body;
  };
  // Called on the server's thread with the request target ("/tavo/login.asp?=&u=a&p=b").
  using Responder = std::function<Answer(const std::string& target)>;

  explicit HttpTestServer(Responder responder);
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  // "http://127.0.0.1:PORT", the site's root.
  std::string Address() const;
  // "GET /path?query HTTP/1.1", one per request, in the order they came.
  std::vector<std::string> RequestLines() const;

  static Answer Reply(std::string body, int status = 200);

 private:
  void Serve();
  void Handle(int connection);

  Responder responder_;
  int listener_ = -1;
  int wakeRead_ = -1;
  int wakeWrite_ = -1;
  int port_ = 0;
  std::vector<int> waiting_;  // connections kept open without an answer
  mutable std::mutex mutex_;
  std::vector<std::string> requestLines_;
  std::thread thread_;
};
