#include "tests/support/http_test_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace {

constexpr int kReadWaitMilliseconds = 2000;

// The request head, up to its blank line; what arrives within the wait.
std::string ReadHead(int connection) {
  std::string head;
  char chunk[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    pollfd ready{connection, POLLIN, 0};
    if (poll(&ready, 1, kReadWaitMilliseconds) <= 0) break;
    const ssize_t got = recv(connection, chunk, sizeof(chunk), 0);
    if (got <= 0) break;
    head.append(chunk, static_cast<std::size_t>(got));
  }
  return head;
}

void SendAll(int connection, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

}  // namespace

HttpTestServer::HttpTestServer(Responder responder) : responder_(std::move(responder)) {
  // A proxy named in the environment is never asked: requests stay on this machine.
  setenv("no_proxy", "127.0.0.1", 1);
  setenv("NO_PROXY", "127.0.0.1", 1);
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof(address);
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) == 0 && listen(listener_, 16) == 0 &&
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
    port_ = ntohs(address.sin_port);
  }
  int wake[2];
  if (pipe2(wake, O_CLOEXEC) == 0) {
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
  }
  thread_ = std::thread([this] { Serve(); });
}

HttpTestServer::~HttpTestServer() {
  const char stop = 1;
  const ssize_t woken = write(wakeWrite_, &stop, 1);
  (void)woken;  // a pipe with room for the byte takes it
  thread_.join();
  for (int connection : waiting_) close(connection);
  for (int fd : {listener_, wakeRead_, wakeWrite_}) close(fd);
}

std::string HttpTestServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> HttpTestServer::RequestLines() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return requestLines_;
}

HttpTestServer::Answer HttpTestServer::Reply(std::string body, int status) {
  Answer answer;
  answer.status = status;
  answer.body = std::move(body);
  return answer;
}

void HttpTestServer::Serve() {
  for (;;) {
    pollfd ready[2] = {{listener_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    if (poll(ready, 2, -1) < 0 || ready[1].revents != 0) return;
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) return;
    Handle(connection);
  }
}

void HttpTestServer::Handle(int connection) {
  const std::string head = ReadHead(connection);
  const std::string line = head.substr(0, head.find("\r\n"));
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    requestLines_.push_back(line);
  }
  const std::size_t targetStart = line.find(' ') + 1;
  const Answer answer = responder_(line.substr(targetStart, line.rfind(' ') - targetStart));
  if (answer.kind == Answer::Kind::KeepWaiting) {
    waiting_.push_back(connection);
    return;
  }
  if (answer.kind == Answer::Kind::Reply) {
    SendAll(connection, "HTTP/1.1 " + std::to_string(answer.status) + " Answer\r\nContent-Length: " +
                            std::to_string(answer.body.size()) + "\r\nConnection: close\r\n\r\n");
    SendAll(connection, answer.body);
  }
  close(connection);
}
